#pragma once

#include <cstdint>

#include "framework/result_codes.h"

// An ordered list of components that owns its elements: an element is
// destroyed when remove_first, remove_last or clear removes it and when the
// list is destroyed; only take hands one back alive. Elements are read in
// place through iterators, which are made and deleted through the list:
//
//   Iterator* it = list->create_iterator(&err);
//   for (T* e = list->current(it); e != nullptr; e = list->current(list->next(it))) ...
//   list->destroy_iterator(it);
//
// An iterator whose element is removed moves on to the following one; the
// iterators still open when the list is destroyed are deleted with it.
template <class T>
class IVsnObjectList {
 public:
  using Element = T;
  class Iterator;  // defined by the list implementation

  // What the list does with an element when it is inserted and removed.
  class ElementPolicy {
   public:
    // The element to store for the one given.
    virtual T* adopt(T* element) const = 0;
    // Destroys a removed element.
    virtual void dispose(T* element) const = 0;

    virtual ~ElementPolicy() = default;
  };

  // Take ownership of the element on success. Null: -2; -3 when the node
  // cannot be allocated (the caller keeps the element then).
  virtual vex::Result push_front(T* element) = 0;
  virtual vex::Result push_back(T* element) = 0;
  virtual void remove_first() = 0;
  virtual void remove_last() = 0;
  virtual void clear() = 0;
  virtual std::int32_t count() const = 0;
  // An iterator on the first element (at the end for an empty list).
  virtual Iterator* create_iterator(vex::Result* err) = 0;
  virtual void rewind(Iterator* iterator) = 0;
  virtual void destroy_iterator(Iterator* iterator) = 0;
  // The element under the iterator, lent; null at the end.
  virtual T* current(const Iterator* iterator) const = 0;
  // Moves to the following element unless already at the end.
  virtual Iterator* next(Iterator* iterator) = 0;
  // Unlinks the element under the iterator without destroying it, moves the
  // iterator to the following one and hands the element over (null at the
  // end: nothing is taken).
  virtual T* take(Iterator* iterator) = 0;
  virtual const ElementPolicy& element_policy() const = 0;
  virtual void destroy() = 0;

  virtual ~IVsnObjectList() = default;
};
