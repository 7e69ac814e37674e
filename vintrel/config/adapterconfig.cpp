#include "adapterconfig.h"

AdapterConfigRecord AdapterConfig;
char AdapterName[20] = {};
