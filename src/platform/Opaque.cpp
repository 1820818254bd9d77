#include "platform/Opaque.h"

#include <QImage>
#include <QRegion>

template <class T>
TOpaque<T>::TOpaque() : FValue(std::make_unique<T>()) {}

template <class T>
TOpaque<T>::TOpaque(const T& value) : FValue(std::make_unique<T>(value)) {}

template <class T>
TOpaque<T>::TOpaque(const TOpaque& other) : FValue(std::make_unique<T>(*other.FValue)) {}

template <class T>
TOpaque<T>& TOpaque<T>::operator=(const TOpaque& other) {
  *FValue = *other.FValue;
  return *this;
}

template <class T>
TOpaque<T>& TOpaque<T>::operator=(const T& value) {
  *FValue = value;
  return *this;
}

template <class T>
TOpaque<T>::~TOpaque() = default;

template class TOpaque<QImage>;
template class TOpaque<QRegion>;
