// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/entry/programentry.h"

int main(int argc, char **argv)
{
    return calmdesk::runProgram(argc, argv);
}
