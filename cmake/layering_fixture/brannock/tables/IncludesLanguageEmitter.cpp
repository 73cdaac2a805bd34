#include "brannock/emit/CEmitter.h"
#include "brannock/emit/Emitter.h"
