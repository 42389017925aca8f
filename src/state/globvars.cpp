#include "state/globvars.h"

GlobVars globvars;
