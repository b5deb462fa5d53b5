// placeholder until TNumIO lands
#pragma once
#include "NumIOParsing.h"
