/* SPDX-License-Identifier: LGPL-2.1-or-later */
#include "tools/progress.h"

#include <unistd.h>

#include <utility>

namespace modeltool {

bool
Progress::wanted (FILE *stream)
{
  return isatty (fileno (stream));
}

Progress::Progress (std::string what, gint64 threshold, gint64 total, FILE *stream)
    : what_ (std::move (what)), threshold_ (threshold), total_ (total), stream_ (stream), enabled_ (wanted (stream))
{
}

void
Progress::show ()
{
  if (!enabled_)
    return;
  /* Ten updates a second are plenty for a person. */
  gint64 now = g_get_monotonic_time ();
  if (shown_ && now - last_ < G_USEC_PER_SEC / 10)
    return;
  last_ = now;
  if (total_ > 0)
    fprintf (stream_, "\r\033[Kreading %s: %" G_GINT64_FORMAT " of %" G_GINT64_FORMAT, what_.c_str (), count_, total_);
  else
    fprintf (stream_, "\r\033[Kreading %s: %" G_GINT64_FORMAT, what_.c_str (), count_);
  fflush (stream_);
  shown_ = printed_ = true;
}

void
Progress::finish ()
{
  if (shown_) {
    fputs ("\r\033[K", stream_);
    fflush (stream_);
    shown_ = false;
  }
}

}  // namespace modeltool
