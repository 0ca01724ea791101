/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * Support for the suites of values kept in files: what a task handed its
 * callback and the error its _finish reported.
 */

#include <memory>

#include "tests/support.h"

namespace lmtest {

/* What a finished task handed its callback, and on which context. */
struct Completion {
  int calls = 0;
  GObject *source = nullptr;
  GAsyncResult *result = nullptr;
  GMainContext *context = nullptr;
  Completion () = default;
  Completion (const Completion &) = delete;
  Completion &operator= (const Completion &) = delete;
  ~Completion () { g_clear_object (&result); }
};

/* The callback of a task, with a Completion as its data: it keeps the
 * result for the test to hand to _finish. */
void on_done (GObject *source, GAsyncResult *result, gpointer data);

/* A GError, or none, freed however the test ends. */
using Error = std::shared_ptr<GError>;

/* Takes ownership of error, which may be null. */
Error error_of (GError *error);

}  // namespace lmtest
