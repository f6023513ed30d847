#pragma once
// Crossing between COM's strings and variants and the core's Text and Value.

#include <windows.h>
#include <oleauto.h>

#include "platform/Failure.h"
#include "platform/Text.h"
#include "platform/Value.h"

namespace tarnix::com {

Text TextFromBstr(BSTR text);  // a null BSTR is the empty text; embedded NULs are kept
BSTR BstrFromText(TextView text);
inline VARIANT_BOOL VariantBool(bool flag) { return flag ? VARIANT_TRUE : VARIANT_FALSE; }

// The Value a variant argument carries. Nothing fails here: what the core
// cannot read itself (dates, currency, decimals, objects whose default member
// gives no plain value) travels as a foreign value that converts through
// VariantChangeType when, and inside the trap where, the member converts it.
Value ValueFromVariant(const VARIANT& variant);

// The failure for an HRESULT from OLE Automation's conversions.
Failure ConversionFailure(HRESULT result);

}  // namespace tarnix::com
