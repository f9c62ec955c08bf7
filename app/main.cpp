// SPDX-License-Identifier: MIT
#include "app/StartUp.h"

int main(int argc, char **argv)
{
    return runQuillon(argc, argv);
}
