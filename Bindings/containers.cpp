// SPDX-License-Identifier: LGPL-2.1-or-later
/*
 * Element access to the libgee containers that list- and map-valued
 * properties hand out, for callers that reach the library through
 * introspection.  libgee's own methods take and return bare pointers,
 * which a binding cannot type; these helpers name the element type, check
 * that it is what the container holds, and go through the container's own
 * copy and free functions, so the live container stays the storage and
 * owns what it holds.
 */

#include <algorithm>
#include <vector>

#include <libmodel.h>

#include "Support/check.h"
#include "Support/container.h"
#include "Support/gee.h"

namespace {

GType
element_type_of (GeeArrayList *list)
{
  return gee_traversable_get_element_type (GEE_TRAVERSABLE (list));
}

/* The container's own free function for what it hands over: a removed
 * element is the caller's to release. */
GDestroyNotify
destroy_func_of (gpointer container, const char *property)
{
  gpointer destroy = nullptr;
  g_object_get (container, property, &destroy, nullptr);
  return reinterpret_cast<GDestroyNotify> (destroy);
}

void
release (gpointer container, const char *property, gpointer element)
{
  GDestroyNotify destroy = destroy_func_of (container, property);
  if (destroy && element)
    destroy (element);
}

bool
holds_objects (GType element_type)
{
  return g_type_is_a (element_type, G_TYPE_OBJECT) || G_TYPE_IS_INTERFACE (element_type);
}

}  // namespace

/* Lists check their argument the same way in every function. */
#define LIST_CHECKED(val)                                 \
  LM_RETURN_VAL_IF_FAIL (list != NULL, val);              \
  LM_RETURN_VAL_IF_FAIL (GEE_IS_ARRAY_LIST (list), val); \
  GType element_type = element_type_of (list)

#define OBJECTS_CHECKED(val)                                \
  LIST_CHECKED (val);                                       \
  LM_RETURN_VAL_IF_FAIL (holds_objects (element_type), val)

#define STRINGS_CHECKED(val) \
  LIST_CHECKED (val);        \
  LM_RETURN_VAL_IF_FAIL (element_type == G_TYPE_STRING, val)

extern "C" GeeArrayList *
tavrel_model_list_new_objects (GType element_type) noexcept
{
  LM_RETURN_VAL_IF_FAIL (holds_objects (element_type), NULL);
  return lm::object_list (element_type);
}

extern "C" GeeArrayList *
tavrel_model_list_new_strings (void) noexcept
{
  return lm::string_list ();
}

extern "C" gint
tavrel_model_list_get_size (GeeArrayList *list) noexcept
{
  LIST_CHECKED (0);
  (void) element_type;
  return lm::size (list);
}

extern "C" GObject *
tavrel_model_list_get_object (GeeArrayList *list, gint position) noexcept
{
  OBJECTS_CHECKED (NULL);
  LM_RETURN_VAL_IF_FAIL (position >= 0 && position < lm::size (list), NULL);
  gpointer item = lm::at (list, position);
  return item ? G_OBJECT (g_object_ref (item)) : nullptr;
}

extern "C" gchar *
tavrel_model_list_get_string (GeeArrayList *list, gint position) noexcept
{
  STRINGS_CHECKED (NULL);
  LM_RETURN_VAL_IF_FAIL (position >= 0 && position < lm::size (list), NULL);
  return g_strdup (static_cast<const gchar *> (lm::at (list, position)));
}

extern "C" GObject **
tavrel_model_list_get_objects (GeeArrayList *list, gint *length) noexcept
{
  if (length)
    *length = 0;
  OBJECTS_CHECKED (NULL);
  gint n = lm::size (list);
  GObject **items = g_new0 (GObject *, n + 1);
  for (gint i = 0; i < n; i++) {
    gpointer item = lm::at (list, i);
    items[i] = item ? G_OBJECT (g_object_ref (item)) : nullptr;
  }
  if (length)
    *length = n;
  return items;
}

extern "C" gchar **
tavrel_model_list_get_strings (GeeArrayList *list) noexcept
{
  STRINGS_CHECKED (NULL);
  gint n = lm::size (list);
  gchar **texts = g_new0 (gchar *, n + 1);
  /* A null element would end the vector early; it reads as "". */
  for (gint i = 0; i < n; i++) {
    auto text = static_cast<const gchar *> (lm::at (list, i));
    texts[i] = g_strdup (text ? text : "");
  }
  return texts;
}

extern "C" gint
tavrel_model_list_append_object (GeeArrayList *list, GObject *item) noexcept
{
  OBJECTS_CHECKED (-1);
  LM_RETURN_VAL_IF_FAIL (item != NULL, -1);
  LM_RETURN_VAL_IF_FAIL (G_TYPE_CHECK_INSTANCE_TYPE (item, element_type), -1);
  lm::append (list, item);
  return lm::size (list) - 1;
}

extern "C" gint
tavrel_model_list_append_string (GeeArrayList *list, const gchar *item) noexcept
{
  STRINGS_CHECKED (-1);
  LM_RETURN_VAL_IF_FAIL (item != NULL, -1);
  lm::append (list, const_cast<gchar *> (item));
  return lm::size (list) - 1;
}

extern "C" gboolean
tavrel_model_list_insert_object (GeeArrayList *list, gint position, GObject *item) noexcept
{
  OBJECTS_CHECKED (FALSE);
  LM_RETURN_VAL_IF_FAIL (position >= 0 && position <= lm::size (list), FALSE);
  LM_RETURN_VAL_IF_FAIL (item != NULL, FALSE);
  LM_RETURN_VAL_IF_FAIL (G_TYPE_CHECK_INSTANCE_TYPE (item, element_type), FALSE);
  gee_abstract_list_insert (GEE_ABSTRACT_LIST (list), position, item);
  return TRUE;
}

extern "C" gboolean
tavrel_model_list_insert_string (GeeArrayList *list, gint position, const gchar *item) noexcept
{
  STRINGS_CHECKED (FALSE);
  LM_RETURN_VAL_IF_FAIL (position >= 0 && position <= lm::size (list), FALSE);
  LM_RETURN_VAL_IF_FAIL (item != NULL, FALSE);
  gee_abstract_list_insert (GEE_ABSTRACT_LIST (list), position, const_cast<gchar *> (item));
  return TRUE;
}

extern "C" gboolean
tavrel_model_list_set_object (GeeArrayList *list, gint position, GObject *item) noexcept
{
  OBJECTS_CHECKED (FALSE);
  LM_RETURN_VAL_IF_FAIL (position >= 0 && position < lm::size (list), FALSE);
  LM_RETURN_VAL_IF_FAIL (item != NULL, FALSE);
  LM_RETURN_VAL_IF_FAIL (G_TYPE_CHECK_INSTANCE_TYPE (item, element_type), FALSE);
  gee_abstract_list_set (GEE_ABSTRACT_LIST (list), position, item);
  return TRUE;
}

extern "C" gboolean
tavrel_model_list_set_string (GeeArrayList *list, gint position, const gchar *item) noexcept
{
  STRINGS_CHECKED (FALSE);
  LM_RETURN_VAL_IF_FAIL (position >= 0 && position < lm::size (list), FALSE);
  LM_RETURN_VAL_IF_FAIL (item != NULL, FALSE);
  gee_abstract_list_set (GEE_ABSTRACT_LIST (list), position, const_cast<gchar *> (item));
  return TRUE;
}

extern "C" gint
tavrel_model_list_index_of_object (GeeArrayList *list, GObject *item) noexcept
{
  OBJECTS_CHECKED (-1);
  LM_RETURN_VAL_IF_FAIL (item != NULL, -1);
  return lm::index_of_identity (list, item);
}

extern "C" gboolean
tavrel_model_list_remove_at (GeeArrayList *list, gint position) noexcept
{
  LIST_CHECKED (FALSE);
  (void) element_type;
  LM_RETURN_VAL_IF_FAIL (position >= 0 && position < lm::size (list), FALSE);
  release (list, "g-destroy-func", gee_abstract_list_remove_at (GEE_ABSTRACT_LIST (list), position));
  return TRUE;
}

extern "C" void
tavrel_model_list_clear (GeeArrayList *list) noexcept
{
  LM_RETURN_IF_FAIL (list != NULL);
  LM_RETURN_IF_FAIL (GEE_IS_ARRAY_LIST (list));
  gee_abstract_collection_clear (GEE_ABSTRACT_COLLECTION (list));
}

#undef LIST_CHECKED
#undef OBJECTS_CHECKED
#undef STRINGS_CHECKED

/* ---- maps ---------------------------------------------------------------- */

#define MAP_CHECKED(val)                                                              \
  LM_RETURN_VAL_IF_FAIL (map != NULL, val);                                           \
  LM_RETURN_VAL_IF_FAIL (GEE_IS_HASH_MAP (map), val);                                 \
  LM_RETURN_VAL_IF_FAIL (gee_map_get_key_type (GEE_MAP (map)) == G_TYPE_STRING, val); \
  GType value_type = gee_map_get_value_type (GEE_MAP (map))

#define MAP_CHECKED_VOID()                                                       \
  LM_RETURN_IF_FAIL (map != NULL);                                               \
  LM_RETURN_IF_FAIL (GEE_IS_HASH_MAP (map));                                     \
  LM_RETURN_IF_FAIL (gee_map_get_key_type (GEE_MAP (map)) == G_TYPE_STRING);     \
  GType value_type = gee_map_get_value_type (GEE_MAP (map))

extern "C" GeeHashMap *
tavrel_model_map_new_strings (void) noexcept
{
  return lm::string_map ();
}

extern "C" gint
tavrel_model_map_get_size (GeeHashMap *map) noexcept
{
  MAP_CHECKED (0);
  (void) value_type;
  return gee_abstract_map_get_size (GEE_ABSTRACT_MAP (map));
}

extern "C" gchar **
tavrel_model_map_get_keys (GeeHashMap *map) noexcept
{
  MAP_CHECKED (NULL);
  (void) value_type;
  std::vector<gchar *> keys;
  GeeSet *set = gee_abstract_map_get_keys (GEE_ABSTRACT_MAP (map));
  GeeIterator *it = gee_iterable_iterator (GEE_ITERABLE (set));
  while (gee_iterator_next (it))
    keys.push_back (static_cast<gchar *> (gee_iterator_get (it)));
  g_object_unref (it);
  g_object_unref (set);
  /* A hash map has no order of its own; sorted keys read the same in every
   * run. */
  std::sort (keys.begin (), keys.end (), [] (const gchar *a, const gchar *b) { return g_strcmp0 (a, b) < 0; });
  gchar **result = g_new0 (gchar *, keys.size () + 1);
  std::copy (keys.begin (), keys.end (), result);
  return result;
}

extern "C" gboolean
tavrel_model_map_has_key (GeeHashMap *map, const gchar *key) noexcept
{
  MAP_CHECKED (FALSE);
  (void) value_type;
  LM_RETURN_VAL_IF_FAIL (key != NULL, FALSE);
  return gee_abstract_map_has_key (GEE_ABSTRACT_MAP (map), key);
}

extern "C" gchar *
tavrel_model_map_get_string (GeeHashMap *map, const gchar *key) noexcept
{
  MAP_CHECKED (NULL);
  LM_RETURN_VAL_IF_FAIL (value_type == G_TYPE_STRING, NULL);
  LM_RETURN_VAL_IF_FAIL (key != NULL, NULL);
  /* The map hands out a copy made by its own copy function. */
  return static_cast<gchar *> (gee_abstract_map_get (GEE_ABSTRACT_MAP (map), key));
}

extern "C" void
tavrel_model_map_set_string (GeeHashMap *map, const gchar *key, const gchar *value) noexcept
{
  MAP_CHECKED_VOID ();
  LM_RETURN_IF_FAIL (value_type == G_TYPE_STRING);
  LM_RETURN_IF_FAIL (key != NULL);
  LM_RETURN_IF_FAIL (value != NULL);
  gee_abstract_map_set (GEE_ABSTRACT_MAP (map), key, value);
}

extern "C" gboolean
tavrel_model_map_lookup_version (GeeHashMap *map, const gchar *key, TavrelModelTransformDataVersion *version) noexcept
{
  if (version)
    *version = TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL;
  MAP_CHECKED (FALSE);
  LM_RETURN_VAL_IF_FAIL (value_type == TAVREL_MODEL_TRANSFORM_TYPE_DATA_VERSION, FALSE);
  LM_RETURN_VAL_IF_FAIL (key != NULL, FALSE);
  if (!gee_abstract_map_has_key (GEE_ABSTRACT_MAP (map), key))
    return FALSE;
  /* The version is held in the pointer itself. */
  gpointer held = gee_abstract_map_get (GEE_ABSTRACT_MAP (map), key);
  if (version)
    *version = TavrelModelTransformDataVersion (GPOINTER_TO_UINT (held));
  return TRUE;
}

extern "C" void
tavrel_model_map_set_version (GeeHashMap *map, const gchar *key, TavrelModelTransformDataVersion version) noexcept
{
  MAP_CHECKED_VOID ();
  LM_RETURN_IF_FAIL (value_type == TAVREL_MODEL_TRANSFORM_TYPE_DATA_VERSION);
  LM_RETURN_IF_FAIL (key != NULL);
  gee_abstract_map_set (GEE_ABSTRACT_MAP (map), key, GUINT_TO_POINTER (guint (version)));
}

extern "C" gboolean
tavrel_model_map_remove (GeeHashMap *map, const gchar *key) noexcept
{
  MAP_CHECKED (FALSE);
  (void) value_type;
  LM_RETURN_VAL_IF_FAIL (key != NULL, FALSE);
  return gee_abstract_map_unset (GEE_ABSTRACT_MAP (map), key, nullptr);
}

extern "C" void
tavrel_model_map_clear (GeeHashMap *map) noexcept
{
  MAP_CHECKED_VOID ();
  (void) value_type;
  gee_abstract_map_clear (GEE_ABSTRACT_MAP (map));
}

#undef MAP_CHECKED
#undef MAP_CHECKED_VOID
