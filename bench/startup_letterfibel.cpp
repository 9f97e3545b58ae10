// The program's start-up, as main() does it, ending after the first painted frame.
#include "first_paint.h"
#include "formhaupt.h"
#include "qt_runtime.h"
#include "termination_signals.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtRuntime runtime;
    TerminationSignals signalsEndTheProgram([&runtime] { runtime.End(); });
    FormHaupt window(runtime);
    quitAfterFirstPaint(&window);
    window.show();
    return app.exec();
}
