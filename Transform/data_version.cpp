/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Change flags of rows and of metadata change records.
 */

#include "include/libmodel.h"

#define VERSION(NAME, nick) {TAVREL_MODEL_TRANSFORM_DATA_VERSION_##NAME, "TAVREL_MODEL_TRANSFORM_DATA_VERSION_" #NAME, nick}

/* The order matters: to_string names the first member whose bits are set. */
static const GFlagsValue data_version_values[] = {
    VERSION (INITIAL, "initial"), VERSION (IDENTICAL, "identical"), VERSION (DELETE, "delete"),
    VERSION (INSERT, "insert"),   VERSION (UPDATE, "update"),       {0, nullptr, nullptr},
};

#undef VERSION

extern "C" GType
tavrel_model_transform_data_version_get_type (void)
{
  static const GType type =
      g_flags_register_static (g_intern_static_string ("TavrelModelTransformDataVersion"), data_version_values);
  return type;
}

extern "C" TavrelModelTransformDataVersion
tavrel_model_transform_data_version_all (void) noexcept
{
  return TavrelModelTransformDataVersion (
      TAVREL_MODEL_TRANSFORM_DATA_VERSION_IDENTICAL | TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE |
      TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT | TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE);
}

extern "C" gchar *
tavrel_model_transform_data_version_to_string (TavrelModelTransformDataVersion self) noexcept
{
  guint bits = guint (self);
  for (const GFlagsValue *member = data_version_values; member->value_nick; member++) {
    bool named = bits == 0 ? member->value == 0 : member->value != 0 && (bits & member->value) == member->value;
    if (named)
      return g_ascii_strup (member->value_nick, -1);
  }
  /* None of the four flags: there is no member to name. */
  return nullptr;
}
