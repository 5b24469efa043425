#include "framework/application/application_entry.h"

int main(int argc, char** argv) {
    return fenwake::runApplication(argc, argv);
}
