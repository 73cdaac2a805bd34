/* The C++ byte parser interface of yl. */
#ifndef YYCPARS_H
#define YYCPARS_H

#undef _YL
#define _YL yl::
#include "yypbase.h"

#define YYPN(stem) yy##stem
#define YYPCHAR char
#include "yycptmpl.h"
#undef YYPN
#undef YYPCHAR

#include "yycpctl.h"

#endif
