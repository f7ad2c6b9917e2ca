// Tells the program when the system is about to sleep and when it has woken,
// from the login manager's PrepareForSleep signal on the system bus. Where no
// login manager answers (a bare X server, a container), nothing is reported and
// the program behaves as if the system never slept.
#pragma once

#include <QObject>
#include <functional>

namespace platform {

class PowerEvents : public QObject {
    Q_OBJECT
public:
    // Called on the UI thread: true when the system is going to sleep, false
    // when it has woken up.
    using Handler = std::function<void(bool suspending)>;

    explicit PowerEvents(QObject* parent = nullptr);

    // Starts listening; false when the system bus or the login manager cannot
    // be reached.
    bool Start(Handler handler);

public slots:
    void OnPrepareForSleep(bool suspending);

private:
    Handler m_handler;
};

}  // namespace platform
