#include "formhaupt.h"
#include "qt_runtime.h"
#include "termination_signals.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtRuntime runtime;
    TerminationSignals signalsEndTheProgram([&runtime] { runtime.End(); });
    FormHaupt window(runtime);
    window.show();
    return app.exec();
}
