#include "app/NotifyRouter.h"

#include "uilib/UiTypes.h"

namespace app {

std::string CNotifyRouter::Key(const std::string& type, const std::string& name) {
    return type + '\n' + DuiLib::ToLower(name);
}

void CNotifyRouter::Add(const std::string& type, Match match, const std::string& key,
                        const std::string& handlerName, Handler handler) {
    std::size_t index = m_routes.size();
    m_routes.push_back(Route{type, match, key, handlerName, std::move(handler)});
    switch (match) {
        case Match::kName:
            m_names[Key(type, key)] = index;
            break;
        case Match::kPrefix:
            m_prefixes[Key(type, key)] = index;
            break;
        case Match::kAnySender:
            m_anySender[type] = index;
            break;
        case Match::kStartsWith:
            m_startsWith.push_back(index);
            break;
    }
}

void CNotifyRouter::AddAll(const std::string& type, Match match,
                           const std::vector<std::string>& keys, const std::string& handlerName,
                           const Handler& handler) {
    for (const auto& key : keys) {
        Add(type, match, key, handlerName, handler);
    }
}

const CNotifyRouter::Route* CNotifyRouter::Find(const std::string& type,
                                                const ControlName& name) const {
    if (auto it = m_names.find(Key(type, name.full)); it != m_names.end()) {
        return &m_routes[it->second];
    }
    if (!name.prefix.empty()) {
        if (auto it = m_prefixes.find(Key(type, name.prefix)); it != m_prefixes.end()) {
            return &m_routes[it->second];
        }
    }
    std::string lower = DuiLib::ToLower(name.full);
    for (std::size_t index : m_startsWith) {
        const Route& route = m_routes[index];
        if (route.type == type && lower.rfind(DuiLib::ToLower(route.key), 0) == 0) {
            return &route;
        }
    }
    if (auto it = m_anySender.find(type); it != m_anySender.end()) {
        return &m_routes[it->second];
    }
    return nullptr;
}

const CNotifyRouter::Route* CNotifyRouter::Find(const std::string& type,
                                                const std::string& senderName) const {
    return Find(type, SplitControlName(senderName));
}

bool CNotifyRouter::Dispatch(DuiLib::TNotifyUI& msg, const std::string& senderName) const {
    ControlName name = SplitControlName(senderName);
    const Route* route = Find(msg.sType, name);
    if (route == nullptr) {
        return false;
    }
    if (route->handler) {
        route->handler(msg, name);
    }
    return true;
}

}  // namespace app
