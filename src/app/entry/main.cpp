#include "app/entry/programentry.h"

int main(int argc, char **argv)
{
    return calmdesk::runProgram(argc, argv);
}
