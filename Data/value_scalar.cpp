/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Whole numbers of every database integer width, signed and unsigned, and
 * the two interfaces that read any of them (and booleans and characters)
 * as a 64-bit number.
 */

#include "Data/value_scalar.h"

/* ---- IInteger and IUnsigned ------------------------------------------ */

G_DEFINE_INTERFACE (TavrelModelDataIInteger, tavrel_model_data_iinteger, G_TYPE_OBJECT)

static void
tavrel_model_data_iinteger_default_init (TavrelModelDataIIntegerInterface *)
{
}

G_DEFINE_INTERFACE (TavrelModelDataIUnsigned, tavrel_model_data_iunsigned, TAVREL_MODEL_DATA_TYPE_IINTEGER)

static void
tavrel_model_data_iunsigned_default_init (TavrelModelDataIUnsignedInterface *)
{
}

/* An implementation without a slot answers -1 rather than a plausible 0,
 * so a caller can tell it from a stored zero. */
extern "C" gint64
tavrel_model_data_iinteger_to_integer (TavrelModelDataIInteger *self) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, 0);
  auto *iface = lm::peek_iface<TavrelModelDataIIntegerInterface> (self, TAVREL_MODEL_DATA_TYPE_IINTEGER);
  LM_RETURN_VAL_IF_FAIL_TEXT (iface != nullptr, "TAVREL_MODEL_DATA_IS_IINTEGER (self)", 0);
  return iface->to_integer ? iface->to_integer (self) : -1;
}

extern "C" guint64
tavrel_model_data_iunsigned_to_unsigned (TavrelModelDataIUnsigned *self) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, 0);
  auto *iface = lm::peek_iface<TavrelModelDataIUnsignedInterface> (self, TAVREL_MODEL_DATA_TYPE_IUNSIGNED);
  LM_RETURN_VAL_IF_FAIL_TEXT (iface != nullptr, "TAVREL_MODEL_DATA_IS_IUNSIGNED (self)", 0);
  return iface->to_unsigned ? iface->to_unsigned (self) : 0;
}

/* ---- the eight widths --------------------------------------------------- */

namespace {

using lm::scalar::decimal;

/* Named "byte" after the database kind; the kind's nick is still "int8". */
struct Int8 {
  using payload = gint8;
  static constexpr auto get_type = tavrel_model_data_value_int8_get_type;
  static constexpr const char *name = "byte";
  static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_INT8;
  static constexpr GType value_type = G_TYPE_CHAR;
  static GParamSpec *itsvalue_pspec () { return g_param_spec_char ("itsvalue", nullptr, nullptr, G_MININT8, G_MAXINT8, 0, lm::RW); }
  static constexpr auto render = decimal<payload>;
};

/* The 16-bit widths declare the 32-bit range; the field keeps the low bits. */
struct Int16 {
  using payload = gint16;
  static constexpr auto get_type = tavrel_model_data_value_int16_get_type;
  static constexpr const char *name = "int16";
  static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_INT16;
  static constexpr GType value_type = G_TYPE_INT;
  static GParamSpec *itsvalue_pspec () { return g_param_spec_int ("itsvalue", nullptr, nullptr, G_MININT32, G_MAXINT32, 0, lm::RW); }
  static constexpr auto render = decimal<payload>;
};

struct Int32 {
  using payload = gint32;
  static constexpr auto get_type = tavrel_model_data_value_int32_get_type;
  static constexpr const char *name = "int32";
  static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_INT32;
  static constexpr GType value_type = G_TYPE_INT;
  static GParamSpec *itsvalue_pspec () { return g_param_spec_int ("itsvalue", nullptr, nullptr, G_MININT32, G_MAXINT32, 0, lm::RW); }
  static constexpr auto render = decimal<payload>;
};

struct Int64 {
  using payload = gint64;
  static constexpr auto get_type = tavrel_model_data_value_int64_get_type;
  static constexpr const char *name = "int64";
  static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_INT64;
  static constexpr GType value_type = G_TYPE_INT64;
  static GParamSpec *itsvalue_pspec () { return g_param_spec_int64 ("itsvalue", nullptr, nullptr, G_MININT64, G_MAXINT64, 0, lm::RW); }
  static constexpr auto render = decimal<payload>;
};

struct UInt8 {
  using payload = guint8;
  static constexpr auto get_type = tavrel_model_data_value_uint8_get_type;
  static constexpr const char *name = "uint8";
  static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_UINT8;
  static constexpr GType value_type = G_TYPE_UCHAR;
  static GParamSpec *itsvalue_pspec () { return g_param_spec_uchar ("itsvalue", nullptr, nullptr, 0, G_MAXUINT8, 0, lm::RW); }
  static constexpr auto render = decimal<payload>;
};

struct UInt16 {
  using payload = guint16;
  static constexpr auto get_type = tavrel_model_data_value_uint16_get_type;
  static constexpr const char *name = "uint16";
  static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_UINT16;
  static constexpr GType value_type = G_TYPE_UINT;
  static GParamSpec *itsvalue_pspec () { return g_param_spec_uint ("itsvalue", nullptr, nullptr, 0, G_MAXUINT32, 0, lm::RW); }
  static constexpr auto render = decimal<payload>;
};

/* Converts to G_TYPE_UINT, although the kind itself maps to G_TYPE_INT. */
struct UInt32 {
  using payload = guint32;
  static constexpr auto get_type = tavrel_model_data_value_uint32_get_type;
  static constexpr const char *name = "uint32";
  static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_UINT32;
  static constexpr GType value_type = G_TYPE_UINT;
  static GParamSpec *itsvalue_pspec () { return g_param_spec_uint ("itsvalue", nullptr, nullptr, 0, G_MAXUINT32, 0, lm::RW); }
  static constexpr auto render = decimal<payload>;
};

struct UInt64 {
  using payload = guint64;
  static constexpr auto get_type = tavrel_model_data_value_uint64_get_type;
  static constexpr const char *name = "uint64";
  static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_UINT64;
  static constexpr GType value_type = G_TYPE_UINT64;
  static GParamSpec *itsvalue_pspec () { return g_param_spec_uint64 ("itsvalue", nullptr, nullptr, 0, G_MAXUINT64, 0, lm::RW); }
  static constexpr auto render = decimal<payload>;
};

}  // namespace

LM_VALUE_CLASS (Int8, int8, INT8, gint8)
LM_VALUE_SECOND_GETTER (Int8, int8, INT8, gint8, int8)

LM_VALUE_CLASS (Int16, int16, INT16, gint16)
LM_VALUE_SECOND_GETTER (Int16, int16, INT16, gint16, int16)

LM_VALUE_CLASS (Int32, int32, INT32, gint32)
LM_VALUE_SECOND_GETTER (Int32, int32, INT32, gint32, int32)

LM_VALUE_CLASS (Int64, int64, INT64, gint64)
LM_VALUE_SECOND_GETTER (Int64, int64, INT64, gint64, int64)

LM_VALUE_CLASS (UInt8, uint8, UINT8, guint8)
LM_VALUE_SECOND_GETTER (UInt8, uint8, UINT8, guint8, uint8)

LM_VALUE_CLASS (UInt16, uint16, UINT16, guint16)
LM_VALUE_SECOND_GETTER (UInt16, uint16, UINT16, guint16, uint16)

LM_VALUE_CLASS (UInt32, uint32, UINT32, guint32)
LM_VALUE_SECOND_GETTER (UInt32, uint32, UINT32, guint32, uint32)

LM_VALUE_CLASS (UInt64, uint64, UINT64, guint64)
LM_VALUE_SECOND_GETTER (UInt64, uint64, UINT64, guint64, uint64)

/* The construction benchmarks compare with floors of these sizes. */
static_assert (sizeof (TavrelModelDataValueInt8Private) == 1 && sizeof (TavrelModelDataValueInt16Private) == 2 &&
               sizeof (TavrelModelDataValueInt32Private) == 4 && sizeof (TavrelModelDataValueInt64Private) == 8);
