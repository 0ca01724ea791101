/* SPDX-License-Identifier: LGPL-2.1-or-later */
#include "Support/timezone.h"

#include <mutex>

namespace lm {

namespace {

/* The library's locks are the standard library's: GMutex is a futex of
 * GLib's own, which ThreadSanitizer cannot see, and the thread suite runs
 * under it. */
struct LocalZone {
  std::mutex lock;
  GTimeZone *zone = nullptr;
  char *tz = nullptr; /* the TZ the zone was resolved under */
  gint64 resolved_at = 0;
};

LocalZone local;

}  // namespace

GTimeZone *
local_zone ()
{
  const char *tz = g_getenv ("TZ");
  gint64 now = g_get_monotonic_time ();
  std::lock_guard<std::mutex> guard (local.lock);
  bool stale = !local.zone || g_strcmp0 (tz, local.tz) != 0 || (!tz && now - local.resolved_at > G_USEC_PER_SEC);
  if (stale) {
    if (local.zone)
      g_time_zone_unref (local.zone);
    g_free (local.tz);
    local.zone = g_time_zone_new_local ();
    local.tz = g_strdup (tz);
    local.resolved_at = now;
  }
  return g_time_zone_ref (local.zone);
}

GDateTime *
now_local ()
{
  g_autoptr (GTimeZone) zone = local_zone ();
  return g_date_time_new_now (zone);
}

GDateTime *
new_local (gint year, gint month, gint day, gint hour, gint minute, gdouble seconds)
{
  g_autoptr (GTimeZone) zone = local_zone ();
  return g_date_time_new (zone, year, month, day, hour, minute, seconds);
}

GDateTime *
to_local (GDateTime *datetime)
{
  g_autoptr (GTimeZone) zone = local_zone ();
  return g_date_time_to_timezone (datetime, zone);
}

GDateTime *
from_unix_local (gint64 seconds)
{
  g_autoptr (GDateTime) utc = g_date_time_new_from_unix_utc (seconds);
  return utc ? to_local (utc) : nullptr;
}

}  // namespace lm
