// ZandrelXls: reads one .xls workbook for the program, in a process of its own (see platform/office/XlsChild.h).
#include "platform/office/XlsChild.h"

int main(int argc, char** argv) {
    return platform::RunXlsChild(argc, argv);
}
