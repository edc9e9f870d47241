#include "app/cli.h"

int main(int argc, char** argv) {
    return gdk::cli::Hoofd(argc, argv);
}
