/* SPDX-License-Identifier: LGPL-2.1-or-later */
#include "tests/files.h"

namespace lmtest {

void
on_done (GObject *source, GAsyncResult *result, gpointer data)
{
  auto *done = static_cast<Completion *> (data);
  done->calls++;
  done->source = source;
  done->result = G_ASYNC_RESULT (g_object_ref (result));
  /* A callback made outside any dispatch has no source, so no context:
   * recorded as none, which fails wait's check where a fixture makes it. */
  GSource *current = g_main_current_source ();
  done->context = current ? g_source_get_context (current) : nullptr;
}

Error
error_of (GError *error)
{
  return Error (error, [] (GError *e) {
    if (e)
      g_error_free (e);
  });
}

}  // namespace lmtest
