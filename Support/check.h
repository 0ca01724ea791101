/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * Argument checks of exported functions.
 *
 * GLib's g_return_if_fail names G_STRFUNC, which in C++ is the pretty
 * signature ("void tavrel_model_...(TavrelModel...*)"), not the exported name
 * a C caller knows.  These name __func__ and keep the condition exactly as
 * written at the call site, so the critical reads
 * "tavrel_model_data_value_error_new: assertion 'message != NULL' failed".
 * Messages go to GLib's default domain: the library has none of its own.
 */

#include <glib.h>

#define LM_RETURN_IF_FAIL_TEXT(expr, text)                      \
  do {                                                          \
    if (G_LIKELY (expr)) {                                      \
    } else {                                                    \
      g_return_if_fail_warning (G_LOG_DOMAIN, __func__, text);  \
      return;                                                   \
    }                                                           \
  } while (0)

#define LM_RETURN_VAL_IF_FAIL_TEXT(expr, text, val)             \
  do {                                                          \
    if (G_LIKELY (expr)) {                                      \
    } else {                                                    \
      g_return_if_fail_warning (G_LOG_DOMAIN, __func__, text);  \
      return (val);                                             \
    }                                                           \
  } while (0)

/* The condition is stringized as written at the call site.  Passed through
 * another macro's parameter it would be expanded first (a type macro such as
 * TAVREL_MODEL_DATA_TYPE_VALUE_DATE becomes its call), so a helper macro
 * writes the check out in its own body rather than taking the type macro. */
#define LM_RETURN_IF_FAIL(expr) LM_RETURN_IF_FAIL_TEXT (expr, #expr)
#define LM_RETURN_VAL_IF_FAIL(expr, val) LM_RETURN_VAL_IF_FAIL_TEXT (expr, #expr, val)

namespace lm {

/* A failed check reported under another name than the calling function's:
 * some internal conversions are documented under their own names. */
inline void
fail (const char *function, const char *condition)
{
  g_return_if_fail_warning (G_LOG_DOMAIN, function, condition);
}

/* An error that an operation raised internally and did not handle. */
inline void
log_unexpected_error (const char *file, int line, const GError *error)
{
  g_critical ("file %s: line %d: unexpected error: %s (%s, %d)", file, line, error->message,
              g_quark_to_string (error->domain), error->code);
}

}  // namespace lm

#define LM_LOG_UNEXPECTED_ERROR(error) lm::log_unexpected_error (__FILE__, __LINE__, (error))
