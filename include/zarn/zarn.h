#ifndef ZARN_ZARN_H
#define ZARN_ZARN_H

// Everything the library exports.

#include <zarn/zarnutils_export.h>
#include <zarn/zarnutils_version.h>

#include <zarn/signalitem.h>
#include <zarn/probein.h>
#include <zarn/probeout.h>
#include <zarn/zarncore.h>

#include <zarn/configreader.h>
#include <zarn/configwriter.h>
#include <zarn/configcheck.h>
#include <zarn/configlint.h>

#include <zarn/conversions.h>
#include <zarn/probemap.h>

#include <zarn/zarnarg.h>
#include <zarn/zarnprepare.h>

#endif
