#include "uilib/ResourceManager.h"

#include <QFile>
#include <QXmlStreamReader>
#include <filesystem>

#include "platform/Trace.h"
#include "uilib/PaintManagerUI.h"

namespace DuiLib {
namespace {

std::string InResourceFolder(const std::string& file) {
    std::filesystem::path path(file);
    if (path.is_absolute()) {
        return file;
    }
    return (std::filesystem::path(CPaintManagerUI::GetResourcePath()) / path).string();
}

std::string Attr(const QXmlStreamReader& xml, const char* name) {
    return xml.attributes().value(QLatin1String(name)).toString().toStdString();
}

// Runs each element of the file through visit; false with a trace on a
// parse error.
template <class Visit>
bool ReadXml(const std::string& file, Visit visit) {
    QFile in(QString::fromStdString(InResourceFolder(file)));
    if (!in.open(QIODevice::ReadOnly)) {
        platform::TraceF("%s: cannot be read", file.c_str());
        return false;
    }
    QXmlStreamReader xml(&in);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            visit(xml);
        }
    }
    if (xml.hasError()) {
        platform::TraceF("%s(%lld): %s", file.c_str(), static_cast<long long>(xml.lineNumber()),
                         xml.errorString().toStdString().c_str());
        return false;
    }
    return true;
}

}  // namespace

CResourceManager& CResourceManager::GetInstance() {
    static CResourceManager manager;
    return manager;
}

bool CResourceManager::LoadResource(const std::string& file) {
    return ReadXml(file, [&](QXmlStreamReader& xml) {
        auto name = xml.name();
        if (name == QLatin1String("Font")) {
            CPaintManagerUI::AddFont(
                ParseInt(Attr(xml, "id"), -1), Attr(xml, "name"), ParseInt(Attr(xml, "size"), 12),
                ParseBool(Attr(xml, "bold")), ParseBool(Attr(xml, "underline")),
                ParseBool(Attr(xml, "italic")), ParseBool(Attr(xml, "default")));
        } else if (name == QLatin1String("Xml")) {
            m_xmls[Attr(xml, "name")] = Attr(xml, "file");
        } else if (name == QLatin1String("Default")) {
            m_defaults[ToLower(Attr(xml, "name"))] = Attr(xml, "value");
        } else if (name == QLatin1String("Icon")) {
            m_icons[static_cast<unsigned>(ParseInt(Attr(xml, "id")))] = Attr(xml, "file");
        } else if (name != QLatin1String("Res")) {
            platform::TraceF("%s(%lld): unknown element %s", file.c_str(),
                             static_cast<long long>(xml.lineNumber()),
                             name.toString().toStdString().c_str());
        }
    });
}

std::string CResourceManager::GetXmlPath(const std::string& name) const {
    auto it = m_xmls.find(name);
    return it == m_xmls.end() ? name : it->second;
}

std::string CResourceManager::GetIconFile(unsigned id) const {
    auto it = m_icons.find(id);
    return it == m_icons.end() ? std::string() : InResourceFolder(it->second);
}

const std::string* CResourceManager::GetDefaultAttributeList(const std::string& className) const {
    auto it = m_defaults.find(ToLower(className));
    return it == m_defaults.end() ? nullptr : &it->second;
}

bool CResourceManager::LoadLanguage(const std::string& file) {
    std::unordered_map<std::string, std::string> texts;
    bool ok = ReadXml(file, [&](QXmlStreamReader& xml) {
        if (xml.name() == QLatin1String("Text")) {
            texts[Attr(xml, "id")] = Attr(xml, "value");
        }
    });
    if (!ok) {
        return false;
    }
    m_texts = std::move(texts);
    m_sLanguage = file;
    return true;
}

const std::string* CResourceManager::FindText(const std::string& key) const {
    auto it = m_texts.find(key);
    return it == m_texts.end() ? nullptr : &it->second;
}

std::string CResourceManager::Translate(const std::string& key) const {
    if (key.empty()) {
        return key;
    }
    if (const std::string* text = FindText(key)) {
        return *text;
    }
    if (m_pQuery != nullptr) {
        std::string text = m_pQuery->QueryControlText(key, {});
        if (!text.empty()) {
            return text;
        }
    }
    return key;
}

void CResourceManager::Release() {
    m_xmls.clear();
    m_icons.clear();
    m_defaults.clear();
    m_texts.clear();
    m_sLanguage.clear();
    m_pQuery = nullptr;
}

}  // namespace DuiLib
