/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * Owning holders for private state.  Each frees what it holds when it is
 * destroyed, so a class's finalize only destroys its private struct.
 */

#include <glib-object.h>

#include <utility>

namespace lm {

/* An owned, nullable UTF-8 string; null and "" are distinct.  Every ""
 * is one shared, never freed text: catalogue objects start with up to
 * twenty empty strings each, and most of them stay empty. */
class String {
 public:
  String () noexcept = default;
  explicit String (const char *text) : text_ (copy (text)) {}
  String (const String &) = delete;
  String &operator= (const String &) = delete;
  String (String &&other) noexcept : text_ (std::exchange (other.text_, nullptr)) {}
  String &operator= (String &&other) noexcept
  {
    std::swap (text_, other.text_);
    return *this;
  }
  ~String () { release (text_); }

  const char *get () const noexcept { return text_; }
  bool is_null () const noexcept { return text_ == nullptr; }
  char *dup () const { return g_strdup (text_); }

  /* Stores a copy; the argument may point into the current text. */
  void set (const char *text)
  {
    char *copied = copy (text);
    release (text_);
    text_ = copied;
  }

  /* Stores a copy only when the text differs; reports whether it did. */
  bool assign (const char *text)
  {
    if (g_strcmp0 (text_, text) == 0)
      return false;
    set (text);
    return true;
  }

  /* Adopts an allocated string without copying it. */
  void take (char *text) noexcept
  {
    release (text_);
    text_ = text;
  }

  /* The text for the caller to free. */
  char *steal () noexcept
  {
    char *text = std::exchange (text_, nullptr);
    return text == empty () ? g_strdup ("") : text;
  }

 private:
  static char *empty () noexcept
  {
    static char text[1] = "";
    return text;
  }
  static char *copy (const char *text) { return text && !*text ? empty () : g_strdup (text); }
  static void release (char *text) noexcept
  {
    if (text != empty ())
      g_free (text);
  }

  char *text_ = nullptr;
};

/* One reference to a reference-counted GLib thing (object, GBytes,
 * GDateTime...), or null. */
template <class T, T *(*Ref) (T *), void (*Unref) (T *)>
class Holder {
 public:
  Holder () noexcept = default;
  Holder (const Holder &) = delete;
  Holder &operator= (const Holder &) = delete;
  Holder (Holder &&other) noexcept : ptr_ (std::exchange (other.ptr_, nullptr)) {}
  Holder &operator= (Holder &&other) noexcept
  {
    std::swap (ptr_, other.ptr_);
    return *this;
  }
  ~Holder () { reset (); }

  T *get () const noexcept { return ptr_; }
  explicit operator bool () const noexcept { return ptr_ != nullptr; }

  /* Takes a new reference to the argument and drops the old one. */
  void assign (T *ptr)
  {
    if (ptr)
      Ref (ptr);
    T *old = std::exchange (ptr_, ptr);
    if (old)
      Unref (old);
  }

  /* Adopts a reference the caller owned. */
  void take (T *ptr) noexcept
  {
    T *old = std::exchange (ptr_, ptr);
    if (old)
      Unref (old);
  }

  void reset () noexcept { take (nullptr); }
  T *steal () noexcept { return std::exchange (ptr_, nullptr); }

  /* A new reference for the caller, or null. */
  T *ref () const { return ptr_ ? Ref (ptr_) : nullptr; }

 private:
  T *ptr_ = nullptr;
};

template <class T>
T *
object_ref (T *object)
{
  return static_cast<T *> (g_object_ref (object));
}

template <class T>
void
object_unref (T *object)
{
  g_object_unref (object);
}

template <class T>
using Ref = Holder<T, object_ref<T>, object_unref<T>>;

using Bytes = Holder<GBytes, g_bytes_ref, g_bytes_unref>;
using DateTime = Holder<GDateTime, g_date_time_ref, g_date_time_unref>;

}  // namespace lm
