#pragma once
// A screen or a level: a name, an active flag, an initialized flag, and the hooks the
// game class calls. A state loads its pictures on its first entry and keeps them.

#include <string>

class GameState {
public:
    virtual ~GameState() = default;
    virtual void initialize() {}
    virtual void enter() {}
    virtual void leave() {}
    virtual void update(float) {}
    virtual void render() {}
    virtual void resetAll() {}
    virtual void releaseAll() {}
    virtual void collisions(float) {}
    virtual void ai() {}
    virtual void setName(std::string newName) { name = std::move(newName); }
    virtual std::string getName() { return name; }
    virtual void setActive(bool isActive) { active = isActive; }
    virtual bool getActive() { return active; }
    virtual void setInitialized(bool isInitialized) { initialized = isInitialized; }
    virtual bool getInitialized() { return initialized; }
    virtual void save() {}
    virtual void load() {}

protected:
    std::string name;
    bool active = false;
    bool initialized = false;
};
