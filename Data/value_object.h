/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * What every value class shares beyond the public header: the read-only
 * `name` and `data-type` properties that each class installs again beside
 * its `itsvalue`, answered by the class's own operations.
 */

#include "include/libmodel.h"
#include "Support/property.h"

namespace lm::value {

GParamSpec *name_spec ();
GParamSpec *data_type_spec ();
void get_name (GObject *object, GValue *value);
void get_data_type (GObject *object, GValue *value);

inline constexpr Property name_property = computed (name_spec, get_name);
inline constexpr Property data_type_property = computed (data_type_spec, get_data_type);

/* Instantiates a value class without going through the property system;
 * the caller has checked that type derives from ValueObject. */
template <class T>
inline T *
instantiate (GType type)
{
  return static_cast<T *> (g_object_new (type, nullptr));
}

}  // namespace lm::value
