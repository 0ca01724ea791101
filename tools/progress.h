/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * A progress line on stderr for long reads, shown only where someone
 * watches: on a terminal, once a read has gone past its threshold, and at
 * most a few times a second.  Redirected, it prints nothing at all.
 */

#include <glib.h>

#include <cstdio>
#include <string>

namespace modeltool {

class Progress {
 public:
  /* what: the things counted ("rows", "tables"); total: how many there
   * will be, or 0 when unknown.  Shown once the count passes threshold. */
  Progress (std::string what, gint64 threshold, gint64 total = 0, FILE *stream = stderr);
  Progress (const Progress &) = delete;
  Progress &operator= (const Progress &) = delete;
  ~Progress () { finish (); }

  /* Counts one more; cheap enough for every row. */
  void tick ()
  {
    if (++count_ > threshold_ && (count_ & 1023) == 0)
      show ();
  }
  void set (gint64 count)
  {
    count_ = count;
    if (count_ > threshold_)
      show ();
  }
  /* Clears the line if one was shown. */
  void finish ();

  /* Whether anything was ever printed. */
  bool printed () const { return printed_; }
  /* Where progress is shown: on a terminal only. */
  static bool wanted (FILE *stream);

 private:
  void show ();

  std::string what_;
  gint64 threshold_;
  gint64 total_;
  gint64 count_ = 0;
  gint64 last_ = 0;
  FILE *stream_;
  bool enabled_;
  bool shown_ = false;
  bool printed_ = false;
};

/* Past these a read counts as long. */
inline constexpr gint64 LONG_READ_ROWS = 100000;
inline constexpr gint64 LONG_READ_TABLES = 1000;

}  // namespace modeltool
