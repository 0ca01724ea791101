/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * The text readers of the value factory and the date-time constructors,
 * exposed for the tests and the benchmark's hand-written floor.
 */

#include <glib.h>

namespace lm::parse {

/* C's atoi: leading white space, an optional sign, decimal digits up to the
 * first other character; no digits give 0; saturates at the 32-bit limits. */
gint32 atoi32 (const char *text);

/* C's strtoul with base 0 (0x hexadecimal, leading 0 octal, else decimal)
 * in 32 bits: a leading minus negates modulo 2^32, a magnitude above
 * 4294967295 gives 4294967295. */
guint32 strtoul32 (const char *text);

/* g_ascii_strtoll (text, NULL, 0), with a short road for plain decimals. */
gint64 ascii_strtoll0 (const char *text);

/* g_ascii_strtod (text, NULL), bit for bit, with a short road for
 * decimals of up to 15 significant digits. */
gdouble ascii_strtod (const char *text);

/* g_date_time_new_from_iso8601 (text, default_tz), with a short road for
 * YYYY-MM-DD[T ]HH:MM:SS[.fraction][Z]. */
GDateTime *iso8601 (const char *text, GTimeZone *default_tz);

/* As iso8601, and a date alone (YYYY-MM-DD) is midnight of that day in
 * default_tz, as GLib reads the date followed by T00:00:00. */
GDateTime *iso8601_or_date (const char *text, GTimeZone *default_tz);

}  // namespace lm::parse
