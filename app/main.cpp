#include "formhaupt.h"
#include "qt_runtime.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtRuntime runtime;
    FormHaupt window(runtime);
    window.show();
    return app.exec();
}
