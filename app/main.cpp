#include "program.h"

int main(int argc, char* argv[]) {
    return runLetterfibel(argc, argv);
}
