/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * libgee lists that own what they hold, and read access to them that takes
 * no references.
 */

#include <gee.h>
#include <gio/gio.h>

namespace lm {

/* A list of object references: the list refs on insertion and unrefs on
 * removal; elements compare by identity. */
inline GeeArrayList *
object_list (GType item_type)
{
  return gee_array_list_new (item_type, (GBoxedCopyFunc) g_object_ref, (GDestroyNotify) g_object_unref,
                             nullptr, nullptr, nullptr);
}

/* A list of string copies; elements compare by text. */
inline GeeArrayList *
string_list ()
{
  return gee_array_list_new (G_TYPE_STRING, (GBoxedCopyFunc) g_strdup, g_free, nullptr, nullptr, nullptr);
}

/* GeeArrayList keeps its items in public fields; reading them directly
 * avoids a virtual call and a reference round trip per element. */
inline gint
size (GeeArrayList *list) noexcept
{
  return list->_size;
}

/* Borrowed element; the caller checks the index. */
inline gpointer
at (GeeArrayList *list, gint index) noexcept
{
  return list->_items[index];
}

/* Appends; the list takes its own reference (or copy). */
inline void
append (GeeArrayList *list, gpointer item)
{
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), item);
}

/* Appends an object reference the caller owned, handing it to the list. */
inline void
append_take (GeeArrayList *list, gpointer object)
{
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), object);
  if (object)
    g_object_unref (object);
}

/* Position of the first element identical to item, or -1. */
inline gint
index_of_identity (GeeArrayList *list, gconstpointer item) noexcept
{
  for (gint i = 0; i < list->_size; i++)
    if (list->_items[i] == item)
      return i;
  return -1;
}

/*
 * GListModel over a libgee list of objects: List reaches the list from the
 * model, ItemType gives the item type.  Items are new references, null at
 * and beyond the end.
 */
template <GeeArrayList *(*List) (GListModel *), GType (*ItemType) ()>
void
implement_list_model (GListModelInterface *iface)
{
  iface->get_item_type = [] (GListModel *) { return ItemType (); };
  iface->get_n_items = [] (GListModel *model) { return guint (size (List (model))); };
  iface->get_item = [] (GListModel *model, guint position) -> gpointer {
    GeeArrayList *list = List (model);
    if (position >= guint (size (list)))
      return nullptr;
    gpointer item = at (list, gint (position));
    return item ? g_object_ref (item) : nullptr;
  };
}

}  // namespace lm
