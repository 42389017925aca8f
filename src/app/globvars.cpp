#include "app/globvars.h"

GlobVars globvars;
