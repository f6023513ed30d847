#include "automation/com/Variants.h"

#include <memory>

namespace tarnix::com {
namespace {

// A variant held as it came, converted by OLE Automation on demand.
class ForeignVariant : public ForeignValue {
 public:
  explicit ForeignVariant(const VARIANT& variant) {
    VariantInit(&held_);
    if (FAILED(VariantCopyInd(&held_, const_cast<VARIANT*>(&variant)))) V_VT(&held_) = VT_EMPTY;
  }
  ~ForeignVariant() override { VariantClear(&held_); }

  Text ToText() const override {
    VARIANT converted = Converted(VT_BSTR);
    Text text = TextFromBstr(V_BSTR(&converted));
    VariantClear(&converted);
    return text;
  }
  double ToDouble() const override {
    VARIANT converted = Converted(VT_R8);
    return V_R8(&converted);
  }
  std::int32_t ToInt32() const override {
    VARIANT converted = Converted(VT_I4);
    return V_I4(&converted);
  }

 private:
  VARIANT Converted(VARTYPE type) const {
    VARIANT converted;
    VariantInit(&converted);
    HRESULT result = VariantChangeType(&converted, const_cast<VARIANT*>(&held_), 0, type);
    if (FAILED(result)) throw ConversionFailure(result);
    return converted;
  }
  VARIANT held_;
};

Value ValueOf(const VARIANT& source, int depth) {
  VARIANT variant;
  VariantInit(&variant);
  if (FAILED(VariantCopyInd(&variant, const_cast<VARIANT*>(&source)))) return Value::Foreign(std::make_shared<ForeignVariant>(source));
  struct Clear {
    VARIANT* variant;
    ~Clear() { VariantClear(variant); }
  } clear{&variant};

  switch (V_VT(&variant)) {
    case VT_ERROR:
      if (V_ERROR(&variant) == DISP_E_PARAMNOTFOUND) return Value::Missing();
      break;
    case VT_EMPTY:
      return Value::Empty();
    case VT_NULL:
      return Value::Null();
    case VT_BOOL:
      return Value::Boolean(V_BOOL(&variant) != VARIANT_FALSE);
    case VT_BSTR:
      return Value(TextFromBstr(V_BSTR(&variant)));
    case VT_I1: return Value(std::int64_t{V_I1(&variant)});
    case VT_UI1: return Value(std::int64_t{V_UI1(&variant)});
    case VT_I2: return Value(std::int64_t{V_I2(&variant)});
    case VT_UI2: return Value(std::int64_t{V_UI2(&variant)});
    case VT_I4: return Value(std::int64_t{V_I4(&variant)});
    case VT_UI4: return Value(std::int64_t{V_UI4(&variant)});
    case VT_INT: return Value(std::int64_t{V_INT(&variant)});
    case VT_UINT: return Value(std::int64_t{V_UINT(&variant)});
    case VT_I8: return Value(std::int64_t{V_I8(&variant)});
    case VT_R4: return Value(double{V_R4(&variant)});
    case VT_R8: return Value(V_R8(&variant));
    case VT_DISPATCH: {
      // An object stands for its default member's value.
      IDispatch* object = V_DISPATCH(&variant);
      if (object == nullptr || depth >= 4) break;
      VARIANT value;
      VariantInit(&value);
      DISPPARAMS none = {nullptr, nullptr, 0, 0};
      if (FAILED(object->Invoke(DISPID_VALUE, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr))) {
        break;
      }
      Value result = ValueOf(value, depth + 1);
      VariantClear(&value);
      return result;
    }
    default:
      break;
  }
  return Value::Foreign(std::make_shared<ForeignVariant>(variant));
}

}  // namespace

Text TextFromBstr(BSTR text) {
  if (text == nullptr) return Text();
  return Text(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
}

BSTR BstrFromText(TextView text) {
  return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
}

Value ValueFromVariant(const VARIANT& variant) { return ValueOf(variant, 0); }

Failure ConversionFailure(HRESULT result) {
  switch (result) {
    case DISP_E_TYPEMISMATCH:
    case DISP_E_BADVARTYPE:  // among others, Nothing: a null object has no value
      return ClassicFailure(Classic::TypeMismatch);
    case DISP_E_OVERFLOW:
      return ClassicFailure(Classic::Overflow);
    case E_OUTOFMEMORY:
      return ClassicFailure(Classic::OutOfMemory);
    default:
      return Failure(static_cast<std::int32_t>(result), u"Conversion failed");
  }
}

}  // namespace tarnix::com
