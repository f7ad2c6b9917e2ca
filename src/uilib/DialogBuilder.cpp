#include "uilib/DialogBuilder.h"

#include <QFile>
#include <QXmlStreamReader>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <unordered_map>

#include "platform/Trace.h"
#include "uilib/ButtonUI.h"
#include "uilib/CheckBoxUI.h"
#include "uilib/ColorPaletteUI.h"
#include "uilib/ComboUI.h"
#include "uilib/ContainerUI.h"
#include "uilib/ControlFactory.h"
#include "uilib/EditUI.h"
#include "uilib/HorizontalLayoutUI.h"
#include "uilib/LabelUI.h"
#include "uilib/ListContainerElementUI.h"
#include "uilib/ListLabelElementUI.h"
#include "uilib/ListUI.h"
#include "uilib/MenuElementUI.h"
#include "uilib/OptionUI.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/ProgressUI.h"
#include "uilib/RenderEngine.h"
#include "uilib/ResourceManager.h"
#include "uilib/RichEditUI.h"
#include "uilib/SliderUI.h"
#include "uilib/TabLayoutUI.h"
#include "uilib/TextUI.h"
#include "uilib/VerticalLayoutUI.h"

namespace DuiLib {
namespace {

template <class T>
CControlUI* Make() {
    return new T();
}

const std::unordered_map<std::string, CControlUI* (*)()>& BuiltIns() {
    static const std::unordered_map<std::string, CControlUI* (*)()> table = {
        {"control", Make<CControlUI>},
        {"container", Make<CContainerUI>},
        {"verticallayout", Make<CVerticalLayoutUI>},
        {"horizontallayout", Make<CHorizontalLayoutUI>},
        {"tablayout", Make<CTabLayoutUI>},
        {"label", Make<CLabelUI>},
        {"text", Make<CTextUI>},
        {"button", Make<CButtonUI>},
        {"option", Make<COptionUI>},
        {"checkbox", Make<CCheckBoxUI>},
        {"combo", Make<CComboUI>},
        {"list", Make<CListUI>},
        {"listlabelelement", Make<CListLabelElementUI>},
        {"listcontainerelement", Make<CListContainerElementUI>},
        {"edit", Make<CEditUI>},
        {"richedit", Make<CRichEditUI>},
        {"slider", Make<CSliderUI>},
        {"progress", Make<CProgressUI>},
        {"colorpalette", Make<CColorPaletteUI>},
        {"menuelement", Make<CMenuElementUI>},
    };
    return table;
}

bool IsImageAttribute(const std::string& lowerName) {
    return lowerName.size() >= 5 && lowerName.compare(lowerName.size() - 5, 5, "image") == 0;
}

std::string Attr(const QXmlStreamReader& xml, const char* name) {
    return xml.attributes().value(QLatin1String(name)).toString().toStdString();
}

}  // namespace

CControlUI* CDialogBuilder::CreateBuiltIn(const std::string& className) {
    auto it = BuiltIns().find(ToLower(className));
    return it == BuiltIns().end() ? nullptr : it->second();
}

void CDialogBuilder::Report(long long line, const std::string& text) {
    std::string report = m_file + "(" + std::to_string(line) + "): " + text;
    platform::Trace(report);
    m_reports.push_back(report);
}

CControlUI* CDialogBuilder::Create(const std::string& xml, const std::string&,
                                   IDialogBuilderCallback* callback, CPaintManagerUI* manager,
                                   CControlUI* parent) {
    m_callback = callback;
    m_manager = manager;
    QByteArray data;
    if (!xml.empty() && xml.front() == '<') {
        m_file = "<layout text>";
        data = QByteArray::fromStdString(xml);
    } else {
        m_file = CResourceManager::GetInstance().GetXmlPath(xml);
        std::filesystem::path path(m_file);
        if (!path.is_absolute()) {
            path = std::filesystem::path(CPaintManagerUI::GetResourcePath()) / path;
        }
        QFile in(QString::fromStdString(path.string()));
        if (!in.open(QIODevice::ReadOnly)) {
            Report(0, "layout file cannot be read");
            return nullptr;
        }
        data = in.readAll();
    }
    QXmlStreamReader reader(data);
    CControlUI* root = Parse(reader, parent);
    if (reader.hasError()) {
        Report(reader.lineNumber(), "layout does not parse: " + reader.errorString().toStdString());
        if (root != nullptr && parent == nullptr) {
            delete root;
        }
        return nullptr;
    }
    return root;
}

// <Include source="file" count="n"/>: the file's tree, n times (once by
// default), in place of the element.
CControlUI* CDialogBuilder::Include(QXmlStreamReader& xml, CControlUI* parent) {
    long long line = xml.lineNumber();
    std::string source = Attr(xml, "source");
    int count = std::max(1, ParseInt(Attr(xml, "count"), 1));
    xml.skipCurrentElement();
    if (parent == nullptr) {
        Report(line, "Include needs a parent control");
        return nullptr;
    }
    if (++m_depth > kMaxIncludeDepth) {
        Report(line, "Include nested too deep: " + source);
        --m_depth;
        return nullptr;
    }
    CControlUI* first = nullptr;
    for (int i = 0; i < count; ++i) {
        CDialogBuilder inner;
        inner.m_depth = m_depth;
        CControlUI* built = inner.Create(source, {}, m_callback, m_manager, parent);
        m_reports.insert(m_reports.end(), inner.m_reports.begin(), inner.m_reports.end());
        if (built == nullptr) {
            break;
        }
        first = first != nullptr ? first : built;
    }
    --m_depth;
    return first;
}

void CDialogBuilder::ApplyWindowAttributes(QXmlStreamReader& xml) {
    for (const QXmlStreamAttribute& attribute : xml.attributes()) {
        std::string name = ToLower(attribute.name().toString().toStdString());
        std::string value = attribute.value().toString().toStdString();
        uint32_t color = 0;
        if (name == "size") {
            UiSize size = ParseSize(value);
            if (m_manager != nullptr) {
                m_manager->SetInitSize(size.cx, size.cy);
            }
        } else if (name == "caption") {
            if (m_manager != nullptr) {
                m_manager->SetCaptionRect(ParseRect(value));
            }
        } else if (name == "roundcorner") {
            if (m_manager != nullptr) {
                m_manager->SetRoundCorner(ParseSize(value));
            }
        } else if (name == "defaultfontcolor" && ParseColor(value, color)) {
            if (m_manager != nullptr) {
                m_manager->SetDefaultTextColor(color);
            }
        } else if (name == "disabledfontcolor" && ParseColor(value, color)) {
            if (m_manager != nullptr) {
                m_manager->SetDefaultDisabledColor(color);
            }
        } else if (name != "sizebox" && name != "mininfo" && name != "maxinfo") {
            Report(xml.lineNumber(), "unknown window attribute '" + name + "'");
        }
    }
}

CControlUI* CDialogBuilder::Parse(QXmlStreamReader& xml, CControlUI* parent) {
    CControlUI* root = nullptr;
    while (!xml.atEnd()) {
        QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            continue;
        }
        if (token != QXmlStreamReader::StartElement) {
            continue;
        }
        std::string name = xml.name().toString().toStdString();
        if (name == "Window") {
            ApplyWindowAttributes(xml);
            continue;
        }
        if (name == "Font") {
            CPaintManagerUI::AddFont(
                ParseInt(Attr(xml, "id"), -1), Attr(xml, "name"), ParseInt(Attr(xml, "size"), 12),
                ParseBool(Attr(xml, "bold")), ParseBool(Attr(xml, "underline")),
                ParseBool(Attr(xml, "italic")), ParseBool(Attr(xml, "default")));
            xml.skipCurrentElement();
            continue;
        }
        if (name == "Default") {
            if (m_manager != nullptr) {
                m_manager->AddDefaultAttributeList(Attr(xml, "name"), Attr(xml, "value"));
            }
            xml.skipCurrentElement();
            continue;
        }
        long long line = xml.lineNumber();
        CControlUI* control = BuildElement(xml, parent);
        if (control != nullptr && root == nullptr) {
            root = control;
        } else if (control != nullptr && parent == nullptr) {
            Report(line, "a layout holds one root control; '" + name + "' is left out");
            delete control;
        }
        if (xml.hasError()) {
            break;
        }
    }
    return root;
}

// Builds one control element and, recursively, its children; the reader ends
// on the element's end tag.
CControlUI* CDialogBuilder::BuildElement(QXmlStreamReader& xml, CControlUI* parent) {
    std::string className = xml.name().toString().toStdString();
    long long line = xml.lineNumber();
    if (className == "Include") {
        return Include(xml, parent);
    }
    CControlUI* control = CreateBuiltIn(className);
    if (control == nullptr) {
        control = CControlFactory::GetInstance().CreateControl(className);
    }
    if (control == nullptr && m_callback != nullptr) {
        control = m_callback->CreateControl(className);
    }
    if (control == nullptr) {
        Report(line, "unknown control class '" + className + "'");
        xml.skipCurrentElement();
        return nullptr;
    }

    const std::string* defaults = nullptr;
    for (const std::string& name : {className, control->GetClass()}) {
        if (defaults == nullptr && m_manager != nullptr) {
            defaults = m_manager->GetDefaultAttributeList(name);
        }
    }
    for (const std::string& name : {className, control->GetClass()}) {
        if (defaults == nullptr) {
            defaults = CResourceManager::GetInstance().GetDefaultAttributeList(name);
        }
    }
    if (defaults != nullptr && !control->ApplyAttributeList(*defaults)) {
        Report(line, "default attributes of '" + className + "' hold an unknown attribute");
    }
    for (const QXmlStreamAttribute& attribute : xml.attributes()) {
        std::string name = attribute.name().toString().toStdString();
        std::string value = attribute.value().toString().toStdString();
        if (!control->SetAttribute(name, value)) {
            Report(line, "unknown attribute '" + name + "' of " + className);
            continue;
        }
        if (IsImageAttribute(ToLower(name)) && !value.empty()) {
            TDrawInfo info;
            if (CRenderEngine::ParseDrawInfo(value, info) &&
                !CRenderEngine::ImageExists(info.sFile)) {
                Report(line, "image not found: " + info.sFile);
            }
        }
    }

    if (parent != nullptr) {
        auto* container = dynamic_cast<CContainerUI*>(parent);
        if (container == nullptr) {
            Report(line, "'" + className + "' placed in a control that holds no children");
            delete control;
            xml.skipCurrentElement();
            return nullptr;
        }
        container->Add(control);
    }

    while (!xml.atEnd()) {
        QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            break;
        }
        if (token == QXmlStreamReader::StartElement) {
            BuildElement(xml, control);
        }
    }
    return control;
}

}  // namespace DuiLib
