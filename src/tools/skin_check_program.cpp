// orbo-skin-check as a program of its own (Windows runs the checker inside orbo.exe).
#include "tools/skin_check_main.h"

int main(int argc, char* argv[]) {
    return orbo::SkinCheckMain(argc, argv, 1);
}
