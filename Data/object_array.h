/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * The storage of a container that most objects never hand out: a row's
 * values, a table's rows.  A libgee list costs more to make and release
 * than the few objects a row holds, so such a container keeps its objects
 * here until a caller asks for the live list; then they move into the
 * list, which is the container's storage from then on.  Like the list, the
 * array owns one reference per element and admits nulls.
 */

#include <glib-object.h>
#include <gee.h>

#include <cstring>
#include <utility>

#include "Support/gee.h"

namespace lm {

class ObjectArray {
 public:
  ObjectArray () noexcept = default;
  ObjectArray (const ObjectArray &) = delete;
  ObjectArray &operator= (const ObjectArray &) = delete;
  ~ObjectArray () { clear (); }

  gint size () const noexcept { return size_; }

  /* Borrowed; the caller checks the position. */
  gpointer at (gint position) const noexcept { return items_[position]; }

  void reserve (gint capacity)
  {
    if (capacity > capacity_) {
      items_ = g_renew (gpointer, items_, capacity);
      capacity_ = capacity;
    }
  }

  /* Appends a reference the caller owned (or null). */
  void append_take (gpointer object)
  {
    if (size_ == capacity_)
      reserve (capacity_ ? capacity_ * 2 : 4);
    items_[size_++] = object;
  }

  /* Inserts a new reference at a position from 0 to size. */
  void insert (gint position, gpointer object)
  {
    if (size_ == capacity_)
      reserve (capacity_ ? capacity_ * 2 : 4);
    memmove (items_ + position + 1, items_ + position, sizeof (gpointer) * gsize (size_ - position));
    items_[position] = object ? g_object_ref (object) : nullptr;
    size_++;
  }

  /* The new object is referenced before the old one is released, so handing
   * back the object already there keeps it. */
  void replace (gint position, gpointer object)
  {
    gpointer old = std::exchange (items_[position], object ? g_object_ref (object) : nullptr);
    if (old)
      g_object_unref (old);
  }

  /* Removes the element at a valid position and hands its reference over. */
  gpointer take (gint position) noexcept
  {
    gpointer object = items_[position];
    memmove (items_ + position, items_ + position + 1, sizeof (gpointer) * gsize (size_ - position - 1));
    size_--;
    return object;
  }

  /* Position of the first element identical to object, or -1. */
  gint index_of (gconstpointer object) const noexcept
  {
    for (gint i = 0; i < size_; i++)
      if (items_[i] == object)
        return i;
    return -1;
  }

  /* Hands every element to the list, in order, and is left empty. */
  void move_into (GeeArrayList *list)
  {
    for (gint i = 0; i < size_; i++)
      lm::append_take (list, std::exchange (items_[i], nullptr));
    clear ();
  }

  /* Releases the elements in order, as the list does. */
  void clear () noexcept
  {
    gpointer *items = std::exchange (items_, nullptr);
    gint size = std::exchange (size_, 0);
    capacity_ = 0;
    for (gint i = 0; i < size; i++)
      if (items[i])
        g_object_unref (items[i]);
    g_free (items);
  }

 private:
  gpointer *items_ = nullptr;
  gint size_ = 0;
  gint capacity_ = 0;
};

}  // namespace lm
