#include "fenstertest.h"
