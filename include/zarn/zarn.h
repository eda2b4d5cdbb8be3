#ifndef ZARN_ZARN_H
#define ZARN_ZARN_H

/**
 * @file
 * Everything the library exports, in one header: the model, the
 * configuration file, the lint, the conversions, the probe map, the
 * generation run, the export macros and the version.
 */

/**
 * @namespace ZARN
 * Everything of the ZarnUtils library: the model of virtual I/O cores, their
 * configuration file, the lint, the value conversions, the probe map and
 * the generation run.
 */

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
#include <zarn/topmodule.h>
#include <zarn/devices.h>

#endif
