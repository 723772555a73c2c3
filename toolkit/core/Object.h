#pragma once
// The root classes every toolkit object stands on: TObject (class name), TPersistent
// (assignment between objects of a kind) and the event type that carries a handler together
// with the name it was bound by, so that form text can be written back.

#include <functional>
#include <string>
#include <utility>

namespace tk {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  virtual const char* ClassName() const { return "TObject"; }
};

// A handler slot. Empty until assigned; calling an empty slot does nothing.
template <class... Args>
class TEvent {
 public:
  using Handler = std::function<void(Args...)>;

  TEvent() = default;
  TEvent(Handler handler, std::string methodName = {})  // NOLINT: assignable from a lambda
      : FHandler(std::move(handler)), FMethodName(std::move(methodName)) {}

  explicit operator bool() const { return static_cast<bool>(FHandler); }
  void operator()(Args... args) const {
    if (FHandler) FHandler(args...);
  }
  const std::string& MethodName() const { return FMethodName; }
  void Clear() {
    FHandler = nullptr;
    FMethodName.clear();
  }

 private:
  Handler FHandler;
  std::string FMethodName;
};

using TNotifyEvent = TEvent<TObject*>;

// The first step of a setter: stores `value` and tells whether it differed, so that the setter
// notifies or repaints only on a change.
template <class T>
bool StoreChanged(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

class TPersistent : public TObject {
 public:
  const char* ClassName() const override { return "TPersistent"; }

  // Copies the content of `source` into this object. The default asks the source to copy
  // itself into this object, and fails when neither side knows the other.
  virtual void Assign(const TPersistent& source);

 protected:
  // Copies this object's content into `dest`; the default fails.
  virtual void AssignTo(TPersistent& dest) const;
};

}  // namespace tk
