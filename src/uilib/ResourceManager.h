// CResourceManager: the skin's resource description ("res.xml": fonts, named
// layout files, default attributes) and the language files that translate
// language keys into the texts controls show.
//
// res.xml:   <Res> <Font id="0" name="Noto Sans" size="13" bold="false" default="true"/>
//                  <Xml name="XML_MAIN" file="XML/main.xml"/>
//                  <Icon id="107" file="images/app.png"/>
//                  <Default name="Button" value="textcolor=&quot;#FFE8E8E8&quot;"/> </Res>
// language:  <Language> <Text id="Key_Set" value="..."/> </Language>
#pragma once

#include <string>
#include <unordered_map>

#include "uilib/UiEvent.h"

namespace DuiLib {

class CResourceManager {
public:
    static CResourceManager& GetInstance();

    // Reads the description from the resource folder; false (with a trace
    // line naming the file and line) when it cannot be read.
    bool LoadResource(const std::string& file);
    // The file a named layout stands for, or the name itself.
    std::string GetXmlPath(const std::string& name) const;
    // The image file of an icon resource number (<Icon id="107" file="..."/>),
    // empty when the description names none.
    std::string GetIconFile(unsigned id) const;
    // Attributes every control of a class starts with (<Default name="Button"
    // value="..."/>); a window's own defaults take precedence.
    const std::string* GetDefaultAttributeList(const std::string& className) const;

    // Replaces the current translations with those of a language file in the
    // resource folder.
    bool LoadLanguage(const std::string& file);
    const std::string& GetLanguage() const { return m_sLanguage; }
    // The translation of a key, or nullptr.
    const std::string* FindText(const std::string& key) const;
    // The translation of a key; the key itself when it has none.
    std::string Translate(const std::string& key) const;
    void SetTextQueryInterface(IQueryControlText* query) { m_pQuery = query; }

    // Forgets everything (at program exit).
    void Release();

private:
    std::unordered_map<std::string, std::string> m_xmls;
    std::unordered_map<unsigned, std::string> m_icons;
    std::unordered_map<std::string, std::string> m_defaults;
    std::unordered_map<std::string, std::string> m_texts;
    std::string m_sLanguage;
    IQueryControlText* m_pQuery = nullptr;
};

}  // namespace DuiLib
