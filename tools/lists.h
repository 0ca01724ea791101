/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/* The few libgee list moves the tool makes, spelled once. */

#include <libmodel.h>

#include <string>
#include <vector>

namespace modeltool {

/* Adds object to the list, which keeps its own reference, and drops the
 * caller's. */
inline void
add_taking (GeeArrayList *list, gpointer object)
{
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), object);
  g_object_unref (object);
}

inline gint
size_of (GeeArrayList *list)
{
  return list ? gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (list)) : 0;
}

/* The object at i, borrowed: the list keeps its reference. */
inline gpointer
object_at (GeeArrayList *list, gint i)
{
  gpointer object = gee_abstract_list_get (GEE_ABSTRACT_LIST (list), i);
  if (object)
    g_object_unref (object);
  return object;
}

/* The catalogue objects of a list, borrowed. */
template <class T = TavrelModelMetaMetaObject>
std::vector<T *>
members_of (GeeArrayList *list)
{
  std::vector<T *> members;
  for (gint i = 0, n = size_of (list); i < n; i++)
    members.push_back (static_cast<T *> (object_at (list, i)));
  return members;
}

inline const char *
name_of (gpointer object)
{
  return tavrel_model_meta_meta_object_get_name (TAVREL_MODEL_META_META_OBJECT (object));
}

/* Joins texts with ", ", as key columns are written. */
inline std::string
join (const std::vector<std::string> &texts, const char *separator = ", ")
{
  std::string out;
  for (size_t i = 0; i < texts.size (); i++) {
    if (i)
      out += separator;
    out += texts[i];
  }
  return out;
}

}  // namespace modeltool
