#pragma once

#include <cstdint>

#include "framework/result_codes.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/vsn_object_list.h"

namespace vex {

template <class T>
struct ListNode {
  ListNode* prev = nullptr;
  ListNode* next = nullptr;
  T* element = nullptr;
};

// Elements are stored as given and destroyed through their destroy().
template <class T>
class DestroyElements final : public IVsnObjectList<T>::ElementPolicy {
 public:
  T* adopt(T* element) const override { return element; }
  void dispose(T* element) const override {
    if (element != nullptr) element->destroy();
  }
};

}  // namespace vex

// The open iterators of a list form a chain of their own, so that the list
// can move them off a node it unlinks and delete them when it goes.
template <class T>
class IVsnObjectList<T>::Iterator {
 public:
  const IVsnObjectList<T>* owner = nullptr;
  vex::ListNode<T>* node = nullptr;
  Iterator* prev_open = nullptr;
  Iterator* next_open = nullptr;
};

// The object list of one element interface: a doubly linked ring of nodes
// around a sentinel (the sentinel is the end position).
template <class Interface>
class CVsnObjectList final : public Interface {
 public:
  using T = typename Interface::Element;
  using Iterator = typename Interface::Iterator;
  using Node = vex::ListNode<T>;

  CVsnObjectList() noexcept = default;
  CVsnObjectList(const CVsnObjectList&) = delete;
  CVsnObjectList& operator=(const CVsnObjectList&) = delete;
  ~CVsnObjectList() override {
    clear();
    while (open_ != nullptr) destroy_iterator(open_);
  }

  vex::Result push_front(T* element) override { return insert_before(sentinel_.next, element); }
  vex::Result push_back(T* element) override { return insert_before(&sentinel_, element); }

  void remove_first() override {
    if (count_ != 0) element_policy().dispose(unlink(sentinel_.next));
  }
  void remove_last() override {
    if (count_ != 0) element_policy().dispose(unlink(sentinel_.prev));
  }
  void clear() override {
    while (count_ != 0) remove_first();
  }
  std::int32_t count() const override { return count_; }

  Iterator* create_iterator(vex::Result* err) override {
    auto* iterator = vex::model_new<Iterator>(err);
    if (iterator == nullptr) return nullptr;
    iterator->owner = this;
    iterator->node = sentinel_.next;
    iterator->next_open = open_;
    if (open_ != nullptr) open_->prev_open = iterator;
    open_ = iterator;
    return iterator;
  }

  void rewind(Iterator* iterator) override {
    if (mine(iterator)) iterator->node = sentinel_.next;
  }

  void destroy_iterator(Iterator* iterator) override {
    if (!mine(iterator)) return;
    if (iterator->prev_open != nullptr) iterator->prev_open->next_open = iterator->next_open;
    if (iterator->next_open != nullptr) iterator->next_open->prev_open = iterator->prev_open;
    if (open_ == iterator) open_ = iterator->next_open;
    delete iterator;
  }

  T* current(const Iterator* iterator) const override {
    return on_element(iterator) ? iterator->node->element : nullptr;
  }

  Iterator* next(Iterator* iterator) override {
    if (on_element(iterator)) iterator->node = iterator->node->next;
    return iterator;
  }

  T* take(Iterator* iterator) override {
    return on_element(iterator) ? unlink(iterator->node) : nullptr;
  }

  const typename Interface::ElementPolicy& element_policy() const override {
    static const vex::DestroyElements<T> policy;
    return policy;
  }

  void destroy() override { delete this; }

 private:
  bool mine(const Iterator* iterator) const noexcept {
    return iterator != nullptr && iterator->owner == this;
  }
  bool on_element(const Iterator* iterator) const noexcept {
    return mine(iterator) && iterator->node != &sentinel_;
  }

  vex::Result insert_before(Node* position, T* element) {
    if (element == nullptr) return vex::kInvalidArgument;
    vex::Result result = vex::kOk;
    Node* node = vex::model_new<Node>(&result);
    if (node == nullptr) return result;
    node->element = element_policy().adopt(element);
    node->prev = position->prev;
    node->next = position;
    position->prev->next = node;
    position->prev = node;
    ++count_;
    return vex::kOk;
  }

  // Unlinks and deletes the node, moving every iterator on it to the
  // following node; answers its element, which the caller now owns.
  T* unlink(Node* node) noexcept {
    node->prev->next = node->next;
    node->next->prev = node->prev;
    for (Iterator* open = open_; open != nullptr; open = open->next_open) {
      if (open->node == node) open->node = node->next;
    }
    T* element = node->element;
    delete node;
    --count_;
    return element;
  }

  Node sentinel_{&sentinel_, &sentinel_, nullptr};
  std::int32_t count_ = 0;
  Iterator* open_ = nullptr;
};
