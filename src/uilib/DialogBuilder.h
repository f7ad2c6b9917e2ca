// CDialogBuilder: builds a control tree from a layout file.
//
// A layout is a <Window> element (size, caption, round corners and default
// colours of the window; <Font> and <Default> elements) holding one control
// element, or a control element alone. Each element names a class: built-in
// classes first, then the classes registered with CControlFactory, then the
// caller's callback. An unknown class, an unknown attribute or a missing image
// is reported with file and line on the trace (and kept in Reports()); the
// unknown element is skipped with its children, the rest is built.
// <Include source="file" count="n"/> builds another layout file in its place.
#pragma once

#include <string>
#include <vector>

#include "uilib/UiEvent.h"

class QXmlStreamReader;

namespace DuiLib {

class CControlUI;
class CPaintManagerUI;

class CDialogBuilder {
public:
    // xml is a file in the resource folder, a name from res.xml ("XML_MAIN")
    // or a layout text starting with '<'. With a parent the built root is
    // added to it. Returns the root, or nullptr when nothing could be built.
    CControlUI* Create(const std::string& xml, const std::string& type = {},
                       IDialogBuilderCallback* callback = nullptr,
                       CPaintManagerUI* manager = nullptr, CControlUI* parent = nullptr);

    const std::vector<std::string>& Reports() const { return m_reports; }

    // A new control of a built-in class (names compared without case), or
    // nullptr.
    static CControlUI* CreateBuiltIn(const std::string& className);

private:
    CControlUI* Parse(QXmlStreamReader& xml, CControlUI* parent);
    CControlUI* BuildElement(QXmlStreamReader& xml, CControlUI* parent);
    CControlUI* Include(QXmlStreamReader& xml, CControlUI* parent);
    void ApplyWindowAttributes(QXmlStreamReader& xml);
    void Report(long long line, const std::string& text);

    std::string m_file;
    IDialogBuilderCallback* m_callback = nullptr;
    CPaintManagerUI* m_manager = nullptr;
    std::vector<std::string> m_reports;
    int m_depth = 0;
    static constexpr int kMaxIncludeDepth = 8;
};

}  // namespace DuiLib
