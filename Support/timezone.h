/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * Local time without GLib's per-call cost.  With TZ unset, GLib resolves
 * the system zone anew on every g_time_zone_new_local (a readlink and a few
 * stats, some microseconds), and every *_local date-time call makes one;
 * date cells are built by the thousand.  The library keeps the zone it
 * resolved and resolves it again when TZ changes, and at most a second
 * after the last resolution when TZ is unset, so a change of the system
 * zone is still followed.
 */

#include <glib.h>

namespace lm {

/* A new reference to the local time zone. */
GTimeZone *local_zone ();

/* The local counterparts of g_date_time_new_now_local, g_date_time_new_local,
 * g_date_time_to_local and g_date_time_new_from_unix_local. */
GDateTime *now_local ();
GDateTime *new_local (gint year, gint month, gint day, gint hour, gint minute, gdouble seconds);
GDateTime *to_local (GDateTime *datetime);
GDateTime *from_unix_local (gint64 seconds);

}  // namespace lm
