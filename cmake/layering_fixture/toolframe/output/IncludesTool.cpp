#include "brannock/grammar/Grammar.h"
