/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * One row of tabular data: its values in column order and its change
 * version.  The row exposes its values as a list model.
 *
 * Most rows are filled by the library (a driver's texts, new_row, clone)
 * and read by position; few callers ever ask for the libgee list.  So a
 * row keeps its values in an array of its own (Data/object_array.h) and
 * makes the list only when a caller asks for it; from then on the list is
 * the row's storage, so a caller who adds to it sees the row change.
 * Every reader and writer goes through the lm::row functions, which use
 * the storage the row has.
 */

#include "Data/model_row.h"

#include <atomic>

#include "Data/object_array.h"
#include "Support/check.h"
#include "Support/gee.h"
#include "Support/gobject.h"
#include "Support/holders.h"
#include "Support/property.h"

struct TavrelModelDataRowModelPrivate {
  /* Null until a caller asks for the list; then the only storage. */
  lm::Ref<GeeArrayList> values;
  lm::ObjectArray cells;
  TavrelModelTransformDataVersion version = TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL;
};

static void row_list_model_init (GListModelInterface *iface);

G_DEFINE_TYPE_WITH_CODE (TavrelModelDataRowModel, tavrel_model_data_row_model, G_TYPE_OBJECT,
                         G_ADD_PRIVATE (TavrelModelDataRowModel)
                         G_IMPLEMENT_INTERFACE (G_TYPE_LIST_MODEL, row_list_model_init))
LM_DEFINE_PRIVATE (TavrelModelDataRowModel, tavrel_model_data_row_model, TavrelModelDataRowModelPrivate)

using P = TavrelModelDataRowModelPrivate;

/* The live list, made on first demand from the values the row holds. */
static GeeArrayList *
values_list (TavrelModelDataRowModel *self)
{
  P *p = lm::priv (self);
  if (!p->values) {
    p->values.take (lm::object_list (TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT));
    p->cells.move_into (p->values.get ());
  }
  return p->values.get ();
}

namespace lm::row {

TavrelModelDataRowModel *
make (TavrelModelTransformDataVersion version, gint capacity)
{
  auto *row = static_cast<TavrelModelDataRowModel *> (g_object_new (TAVREL_MODEL_DATA_TYPE_ROW_MODEL, nullptr));
  P *p = lm::priv (row);
  p->version = version;
  p->cells.reserve (capacity);
  return row;
}

gint
size (TavrelModelDataRowModel *row) noexcept
{
  P *p = lm::priv (row);
  return p->values ? lm::size (p->values.get ()) : p->cells.size ();
}

TavrelModelDataValueObject *
at (TavrelModelDataRowModel *row, gint position) noexcept
{
  P *p = lm::priv (row);
  return static_cast<TavrelModelDataValueObject *> (p->values ? lm::at (p->values.get (), position)
                                                              : p->cells.at (position));
}

/*
 * A value handed out goes through the checked cast, which warns about an
 * element that is no value (a caller may put anything in the list).  The
 * check walks GLib's type tree, a good part of a read; the types it passed
 * are remembered, a few by slot, and GLib never reuses a GType.
 */
static TavrelModelDataValueObject *
checked_value (gpointer value) noexcept
{
  constexpr int slot_bits = 4;
  static std::atomic<GType> passed[1 << slot_bits];
  GType type = G_TYPE_FROM_INSTANCE (value);
  /* GTypes are addresses of GLib's type nodes: a Fibonacci hash spreads them. */
  std::atomic<GType> &slot = passed[guint64 (type) * G_GUINT64_CONSTANT (0x9e3779b97f4a7c15) >> (64 - slot_bits)];
  if (slot.load (std::memory_order_relaxed) == type)
    return static_cast<TavrelModelDataValueObject *> (value);
  TavrelModelDataValueObject *cast = TAVREL_MODEL_DATA_VALUE_OBJECT (value);
  if (g_type_is_a (type, TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT))
    slot.store (type, std::memory_order_relaxed);
  return cast;
}

TavrelModelDataValueObject *
ref_at (TavrelModelDataRowModel *row, gint position) noexcept
{
  if (position < 0 || position >= size (row))
    return nullptr;
  gpointer value = at (row, position);
  return value ? checked_value (g_object_ref (value)) : nullptr;
}

void
append_take (TavrelModelDataRowModel *row, gpointer value)
{
  P *p = lm::priv (row);
  if (p->values)
    lm::append_take (p->values.get (), value);
  else
    p->cells.append_take (value);
}

void
replace (TavrelModelDataRowModel *row, gint position, TavrelModelDataValueObject *value)
{
  P *p = lm::priv (row);
  if (p->values)
    gee_abstract_list_set (GEE_ABSTRACT_LIST (p->values.get ()), position, value);
  else
    p->cells.replace (position, value);
}

}  // namespace lm::row

static constexpr lm::Property row_properties[] = {
    lm::field<&P::version> ([] {
      return g_param_spec_flags ("version", nullptr, nullptr, TAVREL_MODEL_TRANSFORM_TYPE_DATA_VERSION,
                                 TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL, lm::RW);
    }),
    lm::computed ([] { return g_param_spec_object ("values", nullptr, nullptr, GEE_TYPE_ARRAY_LIST, lm::RO); },
                  [] (GObject *object, GValue *value) {
                    g_value_set_object (value, values_list (TAVREL_MODEL_DATA_ROW_MODEL (object)));
                  }),
};

/* The copy is always a plain RowModel with values of its own; a value that
 * cannot be cloned leaves a null in its place so columns stay aligned. */
static TavrelModelDataRowModel *
row_real_clone (TavrelModelDataRowModel *self)
{
  gint n = lm::row::size (self);
  TavrelModelDataRowModel *copy = lm::row::make (lm::priv (self)->version, n);
  for (gint i = 0; i < n; i++) {
    TavrelModelDataValueObject *value = lm::row::at (self, i);
    lm::row::append_take (copy, value ? tavrel_model_data_value_object_clone (value) : nullptr);
  }
  return copy;
}

static void
tavrel_model_data_row_model_class_init (TavrelModelDataRowModelClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_data_row_model_finalize;
  klass->clone = row_real_clone;
  lm::install_properties<row_properties> (G_OBJECT_CLASS (klass));
}

static inline TavrelModelDataRowModel *
as_row (GListModel *model)
{
  return reinterpret_cast<TavrelModelDataRowModel *> (model);
}

/* Items are new references, null at and beyond the end. */
static void
row_list_model_init (GListModelInterface *iface)
{
  iface->get_item_type = [] (GListModel *) { return TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT; };
  iface->get_n_items = [] (GListModel *model) { return guint (lm::row::size (as_row (model))); };
  iface->get_item = [] (GListModel *model, guint position) -> gpointer {
    TavrelModelDataRowModel *row = as_row (model);
    if (position >= guint (lm::row::size (row)))
      return nullptr;
    gpointer item = lm::row::at (row, gint (position));
    return item ? g_object_ref (item) : nullptr;
  };
}

extern "C" TavrelModelDataRowModel *
tavrel_model_data_row_model_new (void) noexcept
{
  return tavrel_model_data_row_model_construct (TAVREL_MODEL_DATA_TYPE_ROW_MODEL);
}

extern "C" TavrelModelDataRowModel *
tavrel_model_data_row_model_construct (GType object_type) noexcept
{
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_ROW_MODEL), NULL);
  return static_cast<TavrelModelDataRowModel *> (g_object_new (object_type, nullptr));
}

extern "C" TavrelModelDataValueObject *
tavrel_model_data_row_model_get_value_at (TavrelModelDataRowModel *self, gint position) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_ROW_MODEL (self), NULL);
  return lm::row::ref_at (self, position);
}

extern "C" void
tavrel_model_data_row_model_set_value_at (TavrelModelDataRowModel *self, gint position,
                                          TavrelModelDataValueObject *value) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_ROW_MODEL (self));
  LM_RETURN_IF_FAIL (value != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_OBJECT (value));
  LM_RETURN_IF_FAIL_TEXT (0 <= position && position < lm::row::size (self),
                          "0 <= position && position < m_values.size");
  lm::row::replace (self, position, value);
}

extern "C" TavrelModelDataRowModel *
tavrel_model_data_row_model_clone (TavrelModelDataRowModel *self) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_ROW_MODEL (self), NULL);
  auto *klass = TAVREL_MODEL_DATA_ROW_MODEL_GET_CLASS (self);
  return klass->clone ? klass->clone (self) : nullptr;
}

#define SELF tavrel_model_data_row_model, TavrelModelDataRowModel, TAVREL_MODEL_DATA_IS_ROW_MODEL
LM_ACCESSORS (SELF, version, TavrelModelTransformDataVersion, TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL)
#undef SELF

extern "C" GeeArrayList *
tavrel_model_data_row_model_get_values (TavrelModelDataRowModel *self) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_ROW_MODEL (self), NULL);
  return values_list (self);
}
