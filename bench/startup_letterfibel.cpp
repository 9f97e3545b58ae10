// The program's start-up, exactly as main() runs it, ending after the first painted frame.
#include "first_paint.h"
#include "program.h"

int main(int argc, char* argv[]) {
    return runLetterfibel(argc, argv, [](QWidget& window) { quitAfterFirstPaint(&window); });
}
