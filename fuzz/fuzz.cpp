/* SPDX-License-Identifier: LGPL-2.1-or-later */
#include "fuzz/fuzz.h"

#include <stdio.h>
#include <stdlib.h>

namespace lmfuzz {

namespace {

/* abort () rather than GLib's trap: libFuzzer keeps the input of a run
 * that aborts, not of one that traps. */
void
fatal (const gchar *domain, GLogLevelFlags level, const gchar *message, gpointer)
{
  if (level & (G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING))
    fail ("the library logged", std::string (domain ? domain : "") + ": " + (message ? message : ""));
}

void
swallow (const gchar *, GLogLevelFlags, const gchar *, gpointer)
{
}

}  // namespace

void
init ()
{
  static bool done = false;
  if (done)
    return;
  done = true;
  g_log_set_default_handler (fatal, nullptr);
}

Tolerant::Tolerant ()
{
  previous_ = g_log_set_default_handler (swallow, nullptr);
  previous_data_ = nullptr;
}

Tolerant::~Tolerant ()
{
  g_log_set_default_handler (previous_, previous_data_);
}

void
fail (const char *what, const std::string &detail)
{
  fprintf (stderr, "%s\n%s\n", what, detail.c_str ());
  abort ();
}

}  // namespace lmfuzz
