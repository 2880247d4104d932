#include "app/start.h"

int main(int argc, char** argv) {
    return lirvo::app::start(argc, argv);
}
