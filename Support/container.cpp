/* SPDX-License-Identifier: LGPL-2.1-or-later */
#include "Support/container.h"

namespace lm {

namespace {

/* Conditions are built once per property and kept for the process, as
 * GLib keeps the texts of its own checks. */
const char *
condition (const char *format, const char *name)
{
  g_autofree gchar *text = g_strdup_printf (format, name);
  return g_intern_string (text);
}

const char *
class_condition (GType type)
{
  if (type == GEE_TYPE_ARRAY_LIST)
    return "GEE_IS_ARRAY_LIST (value)";
  if (type == GEE_TYPE_HASH_MAP)
    return "GEE_IS_HASH_MAP (value)";
  if (type == G_TYPE_LIST_MODEL)
    return "G_IS_LIST_MODEL (value)";
  return condition ("G_TYPE_CHECK_INSTANCE_TYPE (value, %s)", g_type_name (type));
}

}  // namespace

const char *
object_refusal (GParamSpec *pspec, gpointer value)
{
  GType type = pspec->value_type;
  if (!G_TYPE_IS_OBJECT (type) && !G_TYPE_IS_INTERFACE (type))
    return nullptr;
  if (!G_TYPE_CHECK_INSTANCE_TYPE (value, type))
    return class_condition (type);
  const Property *row = row_of (pspec);
  if (!row || !row->container)
    return nullptr;
  switch (row->container->holds) {
  case Holds::OBJECTS:
    /* Elements of the wrong class are passed over by every walker; what
     * they cannot survive is elements that are no objects at all. */
    if (!g_type_is_a (gee_traversable_get_element_type (GEE_TRAVERSABLE (value)), G_TYPE_OBJECT))
      return "g_type_is_a (gee_traversable_get_element_type (value), G_TYPE_OBJECT)";
    break;
  case Holds::STRINGS:
    if (gee_traversable_get_element_type (GEE_TRAVERSABLE (value)) != G_TYPE_STRING)
      return "gee_traversable_get_element_type (value) == G_TYPE_STRING";
    break;
  case Holds::STRING_MAP:
    if (gee_map_get_key_type (GEE_MAP (value)) != G_TYPE_STRING
        || gee_map_get_value_type (GEE_MAP (value)) != G_TYPE_STRING)
      return "gee_map_get_key_type (value) == G_TYPE_STRING && gee_map_get_value_type (value) == G_TYPE_STRING";
    break;
  case Holds::MODEL:
    break;
  }
  return nullptr;
}

}  // namespace lm
