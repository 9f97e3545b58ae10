#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a call on the event loop's thread, where ending the program is
// safe even in the middle of a pause. The only Unix-specific code of the program; elsewhere it
// does nothing.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    void handleSignal();

    std::function<void()> m_onSignal;
    QSocketNotifier* m_notifier = nullptr;
};
