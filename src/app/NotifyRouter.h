// The notification router of the main window: a table from a notification
// type and a sender name to a named handler. A sender matches by its full
// name, then by the prefix of a numbered name, then by a leading text;
// names and prefixes are compared without regard to case.
#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/ControlName.h"
#include "uilib/UiEvent.h"

namespace app {

class CNotifyRouter {
public:
    using Handler = std::function<void(DuiLib::TNotifyUI& msg, const ControlName& name)>;

    enum class Match { kName, kPrefix, kStartsWith, kAnySender };

    struct Route {
        std::string type;
        Match match = Match::kName;
        std::string key;          // name, prefix or leading text as written in the table
        std::string handlerName;  // the operation the route reaches, for traces and tests
        Handler handler;
    };

    // Adds one route; a second route for the same type and key replaces the first.
    void Add(const std::string& type, Match match, const std::string& key,
             const std::string& handlerName, Handler handler);
    // The same handler for several names (or prefixes) of one type.
    void AddAll(const std::string& type, Match match, const std::vector<std::string>& keys,
                const std::string& handlerName, const Handler& handler);

    // The route a notification of this type from this sender takes, or nullptr.
    const Route* Find(const std::string& type, const ControlName& name) const;
    const Route* Find(const std::string& type, const std::string& senderName) const;

    // Finds the route and runs its handler; false when no route matched.
    bool Dispatch(DuiLib::TNotifyUI& msg, const std::string& senderName) const;

    const std::vector<Route>& Routes() const { return m_routes; }

private:
    static std::string Key(const std::string& type, const std::string& name);

    std::vector<Route> m_routes;
    std::unordered_map<std::string, std::size_t> m_names;
    std::unordered_map<std::string, std::size_t> m_prefixes;
    std::unordered_map<std::string, std::size_t> m_anySender;
    std::vector<std::size_t> m_startsWith;
};

}  // namespace app
