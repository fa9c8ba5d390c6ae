#include "ui/CMotorApp.h"
int main(int argc, char** argv) {
    return kestrune::theApp().run(argc, argv);
}
