/* The C++ Unicode parser interface of yl. */
#ifndef YYWCPARS_H
#define YYWCPARS_H

#include <wchar.h>

#undef _YL
#define _YL yl::
#include "yypbase.h"

#define YYPN(stem) yyw##stem
#define YYPCHAR wchar_t
#include "yycptmpl.h"
#undef YYPN
#undef YYPCHAR

#include "yycpctl.h"

#endif
