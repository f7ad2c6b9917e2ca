#include "uilib/PaintManagerUI.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QWidget>
#include <algorithm>

#include "uilib/FontTable.h"

namespace DuiLib {
namespace {

constexpr int kDpiValues[] = {48, 72, 96, 120, 144, 168, 192};
constexpr size_t kMaxDirtyRects = 16;

std::string& InstancePath() {
    static std::string path;
    return path;
}

std::string& ResourcePath() {
    static std::string path;
    return path;
}

std::vector<CPaintManagerUI*>& AllManagers() {
    static std::vector<CPaintManagerUI*> managers;
    return managers;
}

uint64_t Now() {
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
}

int FrameIntervalMs() {
    QScreen* screen = QGuiApplication::primaryScreen();
    double rate = screen != nullptr ? screen->refreshRate() : 60.0;
    if (rate < 20.0 || rate > 500.0) {
        rate = 60.0;
    }
    return static_cast<int>(1000.0 / rate);
}

}  // namespace

struct CPaintManagerUI::Timer {
    QTimer* timer = nullptr;
};

CPaintManagerUI::CPaintManagerUI() : m_context(std::make_unique<QObject>()) {
    AllManagers().push_back(this);
}

CPaintManagerUI::~CPaintManagerUI() {
    DetachAndDeleteRoot();
    auto& all = AllManagers();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void CPaintManagerUI::SetInstancePath(const std::string& path) {
    InstancePath() = path;
}
const std::string& CPaintManagerUI::GetInstancePath() {
    return InstancePath();
}
void CPaintManagerUI::SetResourcePath(const std::string& path) {
    ResourcePath() = path;
    CRenderEngine::FlushImages();
}
const std::string& CPaintManagerUI::GetResourcePath() {
    return ResourcePath();
}

void CPaintManagerUI::MessageLoop() {
    QApplication::exec();
}

bool CPaintManagerUI::IsValidDPI(int dpi) {
    return std::find(std::begin(kDpiValues), std::end(kDpiValues), dpi) != std::end(kDpiValues);
}

void CPaintManagerUI::SetAllDPI(int dpi) {
    for (CPaintManagerUI* manager : AllManagers()) {
        manager->SetDPI(dpi);
    }
}

void CPaintManagerUI::AddFont(int id, const std::string& family, int pixelSize, bool bold,
                              bool underline, bool italic, bool isDefault) {
    CFontTable::Instance().AddFont(id, family, pixelSize, bold, underline, italic, isDefault);
}

void CPaintManagerUI::Init(QWidget* host, const std::string& name) {
    m_host = host;
    m_name = name;
    if (m_host != nullptr && m_flushTimer == nullptr) {
        m_flushTimer = new QTimer(m_context.get());
        m_flushTimer->setSingleShot(true);
        QObject::connect(m_flushTimer, &QTimer::timeout, m_context.get(),
                         [this] { FlushInvalidation(); });
    }
}

bool CPaintManagerUI::AttachDialog(CControlUI* root) {
    if (root == nullptr) {
        return false;
    }
    DetachAndDeleteRoot();
    m_root = root;
    m_root->SetManager(this, nullptr, true);
    m_root->DoInit();
    NeedUpdate();
    Invalidate({0, 0, m_clientSize.cx, m_clientSize.cy});
    return true;
}

void CPaintManagerUI::DetachAndDeleteRoot() {
    CControlUI* root = m_root;
    m_root = nullptr;
    delete root;
    m_focus = m_hot = m_captured = nullptr;
}

void CPaintManagerUI::SetInitSize(int cx, int cy) {
    m_initSize = {cx, cy};
    SetClientSize(cx, cy);
}

bool CPaintManagerUI::SetClientSize(int cx, int cy) {
    if (m_clientSize.cx == cx && m_clientSize.cy == cy) {
        return false;
    }
    m_clientSize = {cx, cy};
    NeedUpdate();
    Invalidate({0, 0, cx, cy});
    if (m_root != nullptr) {
        SendNotify(m_root, "windowsize");
    }
    return true;
}

bool CPaintManagerUI::SetDPI(int dpi) {
    if (!IsValidDPI(dpi)) {
        return false;
    }
    m_dpi = dpi;
    if (m_host != nullptr) {
        m_host->resize(ScaleValue(m_clientSize.cx), ScaleValue(m_clientSize.cy));
        m_host->update();
    }
    return true;
}

CControlUI* CPaintManagerUI::FindControl(const std::string& name) const {
    if (m_root == nullptr || name.empty()) {
        return nullptr;
    }
    return m_root->FindControl([&name](CControlUI* c) { return c->GetName() == name; }, UIFIND_ALL);
}

CControlUI* CPaintManagerUI::FindControl(UiPoint pt) const {
    if (m_root == nullptr) {
        return nullptr;
    }
    return m_root->FindControl(
        [pt](CControlUI* c) { return c->IsMouseEnabled() && c->GetPos().Contains(pt); },
        UIFIND_VISIBLE | UIFIND_HITTEST | UIFIND_TOP_FIRST);
}

CControlUI* CPaintManagerUI::FindSubControlByName(CControlUI* parent,
                                                  const std::string& name) const {
    if (parent == nullptr) {
        return nullptr;
    }
    return parent->FindControl([&name](CControlUI* c) { return c->GetName() == name; }, UIFIND_ALL);
}

std::vector<CControlUI*> CPaintManagerUI::FindSubControlsByClass(
    CControlUI* parent, const std::string& className) const {
    std::vector<CControlUI*> found;
    if (parent != nullptr) {
        parent->FindControl(
            [&](CControlUI* c) {
                if (c->GetClass() == className) {
                    found.push_back(c);
                }
                return false;
            },
            UIFIND_ALL);
    }
    return found;
}

bool CPaintManagerUI::SetTimer(CControlUI* control, UINT id, UINT ms) {
    if (control == nullptr) {
        return false;
    }
    auto key = std::make_pair(control, id);
    auto it = m_timers.find(key);
    if (it == m_timers.end()) {
        auto timer = std::make_unique<Timer>();
        timer->timer = new QTimer(m_context.get());
        QObject::connect(timer->timer, &QTimer::timeout, m_context.get(),
                         [this, control, id] { FireTimer(control, id); });
        it = m_timers.emplace(key, std::move(timer)).first;
    }
    it->second->timer->start(static_cast<int>(ms));
    return true;
}

bool CPaintManagerUI::KillTimer(CControlUI* control, UINT id) {
    auto it = m_timers.find({control, id});
    if (it == m_timers.end() || !it->second->timer->isActive()) {
        return false;
    }
    // Stopped, not deleted: controls that kill their timer in its handler and
    // set it again (every few milliseconds) reuse the same one. It goes with
    // its control.
    it->second->timer->stop();
    return true;
}

void CPaintManagerUI::KillTimer(CControlUI* control) {
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it->first.first == control) {
            it->second->timer->stop();
            it->second->timer->deleteLater();
            it = m_timers.erase(it);
        } else {
            ++it;
        }
    }
}

bool CPaintManagerUI::HasTimer(CControlUI* control, UINT id) const {
    auto it = m_timers.find({control, id});
    return it != m_timers.end() && it->second->timer->isActive();
}

int CPaintManagerUI::GetTimerInterval(CControlUI* control, UINT id) const {
    return HasTimer(control, id) ? m_timers.at({control, id})->timer->interval() : -1;
}

bool CPaintManagerUI::FireTimer(CControlUI* control, UINT id) {
    if (!HasTimer(control, id)) {
        return false;
    }
    TEventUI event;
    event.Type = UIEVENT_TIMER;
    event.pSender = control;
    event.wParam = id;
    event.dwTimestamp = Now();
    control->Event(event);
    return true;
}

void CPaintManagerUI::AddNotifier(INotifyUI* notifier) {
    if (std::find(m_notifiers.begin(), m_notifiers.end(), notifier) == m_notifiers.end()) {
        m_notifiers.push_back(notifier);
    }
}

void CPaintManagerUI::RemoveNotifier(INotifyUI* notifier) {
    m_notifiers.erase(std::remove(m_notifiers.begin(), m_notifiers.end(), notifier),
                      m_notifiers.end());
}

void CPaintManagerUI::SendNotify(CControlUI* control, const std::string& type, WPARAM wParam,
                                 LPARAM lParam, bool async) {
    TNotifyUI msg;
    msg.sType = type;
    msg.pSender = control;
    msg.wParam = wParam;
    msg.lParam = lParam;
    SendNotify(msg, async);
}

void CPaintManagerUI::SendNotify(TNotifyUI& msg, bool async) {
    msg.dwTimestamp = Now();
    // Where the mouse was last seen over the window: asking the system for the
    // cursor on every notification (timers fire hundreds a second) costs more
    // than most handlers.
    msg.ptMouse = m_lastMousePos;
    if (async) {
        TNotifyUI copy = msg;
        QMetaObject::invokeMethod(
            m_context.get(), [this, copy]() mutable { SendNotify(copy, false); },
            Qt::QueuedConnection);
        return;
    }
    std::vector<INotifyUI*> notifiers = m_notifiers;
    for (INotifyUI* notifier : notifiers) {
        notifier->Notify(msg);
    }
}

void CPaintManagerUI::SetFocus(CControlUI* control) {
    if (control == m_focus) {
        return;
    }
    CControlUI* old = m_focus;
    m_focus = control;
    if (old != nullptr) {
        SendEvent(old, UIEVENT_KILLFOCUS, {}, 0);
    }
    if (control != nullptr && m_focus == control) {
        SendEvent(control, UIEVENT_SETFOCUS, {}, 0);
    }
}

void CPaintManagerUI::SetNextTabControl(bool forward) {
    if (m_root == nullptr) {
        return;
    }
    std::vector<CControlUI*> order;
    m_root->FindControl(
        [&order](CControlUI* c) {
            if (c->IsKeyboardEnabled() && c->IsEnabled() && c->GetInterface("Edit") != nullptr) {
                order.push_back(c);
            }
            return false;
        },
        UIFIND_VISIBLE | UIFIND_ENABLED);
    if (order.empty()) {
        return;
    }
    auto it = std::find(order.begin(), order.end(), m_focus);
    size_t index = 0;
    if (it != order.end()) {
        size_t current = static_cast<size_t>(it - order.begin());
        index =
            forward ? (current + 1) % order.size() : (current + order.size() - 1) % order.size();
    } else if (!forward) {
        index = order.size() - 1;
    }
    SetFocus(order[index]);
}

void CPaintManagerUI::AddOptionGroup(const std::string& group, CControlUI* control) {
    auto& members = m_optionGroups[group];
    if (std::find(members.begin(), members.end(), control) == members.end()) {
        members.push_back(control);
    }
}

const std::vector<CControlUI*>* CPaintManagerUI::GetOptionGroup(const std::string& group) const {
    auto it = m_optionGroups.find(group);
    return it == m_optionGroups.end() ? nullptr : &it->second;
}

void CPaintManagerUI::RemoveOptionGroup(const std::string& group, CControlUI* control) {
    auto it = m_optionGroups.find(group);
    if (it != m_optionGroups.end()) {
        auto& members = it->second;
        members.erase(std::remove(members.begin(), members.end(), control), members.end());
    }
}

void CPaintManagerUI::AddDefaultAttributeList(const std::string& className,
                                              const std::string& list) {
    m_defaultAttributes[ToLower(className)] = list;
}

const std::string* CPaintManagerUI::GetDefaultAttributeList(const std::string& className) const {
    auto it = m_defaultAttributes.find(ToLower(className));
    return it == m_defaultAttributes.end() ? nullptr : &it->second;
}

const TImageInfo* CPaintManagerUI::GetImage(const std::string& file) const {
    return CRenderEngine::GetImage(file);
}

void CPaintManagerUI::Invalidate(const UiRect& rc) {
    if (m_host == nullptr || rc.IsEmpty()) {
        return;
    }
    if (m_dirty.size() >= kMaxDirtyRects) {
        UiRect all = rc;
        for (const UiRect& r : m_dirty) {
            all = all.Union(r);
        }
        m_dirty.assign(1, all);
    } else {
        m_dirty.push_back(rc);
    }
    if (!m_flushTimer->isActive()) {
        auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now() - m_lastFlush)
                           .count();
        int wait = std::max<int>(0, FrameIntervalMs() - static_cast<int>(elapsed));
        m_flushTimer->start(wait);
    }
}

void CPaintManagerUI::NeedUpdate() {
    m_layoutNeeded = true;
    if (m_host != nullptr && !m_flushTimer->isActive()) {
        Invalidate({0, 0, 0, 0});
        m_flushTimer->start(0);
    }
}

void CPaintManagerUI::UpdateLayout() {
    if (!m_layoutNeeded || m_root == nullptr) {
        return;
    }
    m_layoutNeeded = false;
    m_root->SetPos({0, 0, m_clientSize.cx, m_clientSize.cy}, true);
}

void CPaintManagerUI::FlushInvalidation() {
    UpdateLayout();
    m_lastFlush = std::chrono::steady_clock::now();
    if (m_host == nullptr) {
        m_dirty.clear();
        return;
    }
    double scale = GetScale();
    for (const UiRect& rc : m_dirty) {
        // One pixel more on each side covers anti-aliased edges.
        m_host->update(static_cast<int>(rc.left * scale) - 1, static_cast<int>(rc.top * scale) - 1,
                       static_cast<int>(rc.Width() * scale) + 3,
                       static_cast<int>(rc.Height() * scale) + 3);
    }
    m_dirty.clear();
}

void CPaintManagerUI::Paint(HDC hDC, const UiRect& rcPaint) {
    UpdateLayout();
    ++m_paintCount;
    if (m_root != nullptr) {
        m_root->DoPaint(hDC, rcPaint);
    }
}

bool CPaintManagerUI::RenderToPng(const std::string& path) {
    UpdateLayout();
    QImage image(std::max(1, ScaleValue(m_clientSize.cx)), std::max(1, ScaleValue(m_clientSize.cy)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        painter.scale(GetScale(), GetScale());
        Paint(&painter, {0, 0, m_clientSize.cx, m_clientSize.cy});
    }
    return image.save(QString::fromStdString(path), "PNG");
}

void CPaintManagerUI::SendEvent(CControlUI* control, int type, UiPoint pt, uint16_t keyState,
                                WPARAM wParam) {
    if (control == nullptr) {
        return;
    }
    TEventUI event;
    event.Type = type;
    event.pSender = control;
    event.ptMouse = pt;
    event.wKeyState = keyState;
    event.wParam = wParam;
    event.dwTimestamp = Now();
    control->Event(event);
}

void CPaintManagerUI::UpdateHot(UiPoint pt, uint16_t keyState) {
    CControlUI* hit = FindControl(pt);
    if (hit == m_hot) {
        return;
    }
    CControlUI* old = m_hot;
    m_hot = hit;
    SendEvent(old, UIEVENT_MOUSELEAVE, pt, keyState);
    if (m_hot == hit) {
        SendEvent(hit, UIEVENT_MOUSEENTER, pt, keyState);
    }
    if (m_host != nullptr) {
        static const Qt::CursorShape kShapes[] = {Qt::ArrowCursor, Qt::PointingHandCursor,
                                                  Qt::IBeamCursor, Qt::SizeHorCursor,
                                                  Qt::SizeVerCursor};
        int cursor = hit != nullptr ? hit->GetCursor() : kCursorArrow;
        m_host->setCursor(kShapes[cursor >= 0 && cursor <= kCursorSizeNS ? cursor : 0]);
        std::string tip = hit != nullptr ? hit->GetToolTip() : std::string();
        if (tip.empty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(QCursor::pos(), QString::fromStdString(tip), m_host);
        }
    }
}

void CPaintManagerUI::OnMouseMove(UiPoint pt, uint16_t keyState) {
    m_lastMousePos = pt;
    if (m_captured != nullptr) {
        SendEvent(m_captured, UIEVENT_MOUSEMOVE, pt, keyState);
        return;
    }
    UpdateHot(pt, keyState);
    SendEvent(m_hot, UIEVENT_MOUSEMOVE, pt, keyState);
}

void CPaintManagerUI::OnButtonDown(UiPoint pt, uint16_t keyState) {
    m_lastMousePos = pt;
    CControlUI* control = FindControl(pt);
    if (control == nullptr) {
        SetFocus(nullptr);
        return;
    }
    SetFocus(control->IsEnabled() ? control : nullptr);
    m_captured = control;
    SendEvent(control, UIEVENT_BUTTONDOWN, pt, keyState | kKeyLButton);
}

void CPaintManagerUI::OnButtonUp(UiPoint pt, uint16_t keyState) {
    m_lastMousePos = pt;
    CControlUI* control = m_captured;
    m_captured = nullptr;
    SendEvent(control, UIEVENT_BUTTONUP, pt, keyState);
    UpdateHot(pt, keyState);
}

void CPaintManagerUI::OnDoubleClick(UiPoint pt, uint16_t keyState) {
    m_lastMousePos = pt;
    CControlUI* control = FindControl(pt);
    if (control == nullptr) {
        return;
    }
    m_captured = control;
    SendEvent(control, UIEVENT_DBLCLICK, pt, keyState | kKeyLButton);
}

void CPaintManagerUI::OnRButtonDown(UiPoint pt, uint16_t keyState) {
    m_lastMousePos = pt;
    CControlUI* control = FindControl(pt);
    SendEvent(control, UIEVENT_RBUTTONDOWN, pt, keyState);
}

void CPaintManagerUI::OnRButtonUp(UiPoint pt, uint16_t keyState) {
    m_lastMousePos = pt;
    CControlUI* control = FindControl(pt);
    SendEvent(control, UIEVENT_RBUTTONUP, pt, keyState);
    SendEvent(control, UIEVENT_CONTEXTMENU, pt, keyState);
}

void CPaintManagerUI::OnMouseLeaveWindow() {
    if (m_captured == nullptr && m_hot != nullptr) {
        CControlUI* old = m_hot;
        m_hot = nullptr;
        SendEvent(old, UIEVENT_MOUSELEAVE, {-1, -1}, 0);
    }
}

void CPaintManagerUI::OnWheel(UiPoint pt, int delta, uint16_t keyState) {
    m_lastMousePos = pt;
    CControlUI* control = FindControl(pt);
    SendEvent(control, UIEVENT_SCROLLWHEEL, pt, keyState, delta > 0 ? kWheelUp : kWheelDown);
}

bool CPaintManagerUI::OnKeyDown(uint32_t key, uint16_t keyState) {
    if (key == kVkTab) {
        SetNextTabControl((keyState & kKeyShift) == 0);
        return true;
    }
    if (m_focus == nullptr) {
        return false;
    }
    TEventUI event;
    event.Type = UIEVENT_KEYDOWN;
    event.pSender = m_focus;
    event.chKey = key;
    event.wKeyState = keyState;
    event.dwTimestamp = Now();
    m_focus->Event(event);
    return true;
}

void CPaintManagerUI::OnChar(const std::string& text, uint16_t keyState) {
    if (m_focus == nullptr || text.empty()) {
        return;
    }
    TEventUI event;
    event.Type = UIEVENT_CHAR;
    event.pSender = m_focus;
    event.chKey = static_cast<unsigned char>(text[0]);
    event.text = text;
    event.wKeyState = keyState;
    event.dwTimestamp = Now();
    m_focus->Event(event);
}

void CPaintManagerUI::OnWindowFocusLost() {
    OnMouseLeaveWindow();
}

void CPaintManagerUI::ReapObjects(CControlUI* control) {
    if (m_focus == control) {
        m_focus = nullptr;
    }
    if (m_hot == control) {
        m_hot = nullptr;
    }
    if (m_captured == control) {
        m_captured = nullptr;
    }
    KillTimer(control);
    for (auto& [group, members] : m_optionGroups) {
        members.erase(std::remove(members.begin(), members.end(), control), members.end());
    }
}

}  // namespace DuiLib
