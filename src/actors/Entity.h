#pragma once
// An image that moves and collides: products, shelves, the checkout, obstacles, the
// trolley and its shots, shoppers and their markers. Velocity changes only through a
// pending change applied at the next update; collisions give a vector that bounce
// uses to push entities apart.

#include "engine/Game.h"
#include "engine/Image.h"

enum CollisionType { NONE = 0, CIRCLE = 1, BOX = 2, ROTATED_BOX = 3 };

namespace entityNS {
constexpr float GRAVITY = 6.67428e-11f;
}

class Entity : public Image {
public:
    Entity();
    ~Entity() override = default;

    void update(float frameTime) override;

    virtual bool collideCircle(Entity& other, VECTOR2& collisionVector);
    virtual bool collideBox(Entity& other, VECTOR2& collisionVector);
    virtual bool collideRotatedBox(Entity& other, VECTOR2& collisionVector);
    virtual bool collideRotatedBoxCircle(Entity& circle, VECTOR2& collisionVector);
    virtual const VECTOR2* getCenter()
    {
        center = VECTOR2(getCenterX(), getCenterY());
        return &center;
    }
    virtual float getRadius() const { return radius; }
    virtual const RECT* getEdge() const { return &edge; }
    virtual const VECTOR2* getCorner(UINT c) const { return c >= 4 ? &corners[0] : &corners[c]; }
    virtual bool getActive() const { return active; }
    virtual int getCounter() const { return counter; }
    virtual bool getDestroyed() const { return destroyed; }
    virtual bool getFacingUp() const { return facingUp; }
    virtual bool getFacingDown() const { return facingDown; }
    virtual bool getFacingLeft() const { return facingLeft; }
    virtual bool getFacingRight() const { return facingRight; }
    virtual float getGravity() const { return gravity; }
    virtual float getHealth() const { return static_cast<float>(health); }
    virtual float getMass() const { return mass; }
    virtual float getSpeed() const { return speed; }
    virtual VECTOR2 getVelocity() const { return velocity; }
    virtual CollisionType getCollisionType() const { return collisionType; }
    virtual void setActive(bool a) { active = a; }
    virtual void setRadius(float r) { radius = r; }
    virtual void setCollisionType(CollisionType type) { collisionType = type; }
    virtual void setDestroyed(bool d) { destroyed = d; }
    virtual void setDeltaV(VECTOR2 dv) { deltaV = dv; }
    virtual void faceUp() { face(1, true, false, false, false); }
    virtual void faceDown() { face(2, false, true, false, false); }
    virtual void faceLeft() { face(3, false, false, true, false); }
    virtual void faceRight() { face(4, false, false, false, true); }
    virtual void setGravity(float g) { gravity = g; }
    virtual void setCounter(int c) { counter = c; }
    virtual void setEdge(RECT e) { edge = e; }
    virtual void setHealth(float h) { health = static_cast<int>(h); }
    virtual void setMass(float m) { mass = m; }
    virtual void setRotatedBoxReady(bool ready) { rotatedBoxReady = ready; }
    virtual void setSpeed(float s) { speed = s; }
    virtual void setVelocity(VECTOR2 v) { velocity = v; }
    virtual void addAmmo(int n) { ammo += n; }
    virtual void addHealth(int n) { health += n; }
    virtual void addSpeed(float x) { speed += x; }
    virtual void subtractAmmo(int n) { ammo -= n; }
    virtual void subtractHealth(int n) { health -= n; }
    virtual void subtractCounter(int n) { counter -= n; }
    virtual bool initialize(Game* game, int width, int height, int columns, TextureManager* texture);
    virtual void activate() { active = true; }
    virtual void ai(float frameTime, Entity& other);
    virtual bool outsideRect(RECT rect);
    virtual bool collidesWith(Entity& other, VECTOR2& collisionVector);
    virtual void damage(int weapon);
    virtual void turnAround();

    // Pushes this entity out of the other, one pixel at a time (at most ten), and
    // adds the other's velocity along the collision to this one's pending change.
    void bounce(VECTOR2& collisionVector, Entity& other);
    void computeRotatedBox();
    bool projectionsOverlap(Entity& other, VECTOR2& collisionVector);
    bool collideCornerCircle(VECTOR2 corner, Entity& circle, VECTOR2& collisionVector);

    // 1 up, 2 down, 3 left, 4 right: the last direction faced.
    int direction;

protected:
    // The collision vector along this box's edge of least overlap with the projections
    // [min01, max01] and [min03, max03] of the other shape.
    void leastOverlap(float min01, float max01, float min03, float max03, VECTOR2& collisionVector);
    void face(int newDirection, bool up, bool down, bool left, bool right)
    {
        direction = newDirection;
        facingUp = up;
        facingDown = down;
        facingLeft = left;
        facingRight = right;
    }

    CollisionType collisionType;
    VECTOR2 center;
    float radius;
    VECTOR2 distSquared;
    float sumRadiiSquared;
    RECT edge;
    VECTOR2 corners[4];
    VECTOR2 edge01, edge03;
    float edge01Min, edge01Max, edge03Min, edge03Max;
    VECTOR2 velocity;
    VECTOR2 deltaV;
    float mass;
    int health;
    int ammo;
    int counter;
    float speed;
    float gravity;
    Input* input;
    Audio* audio;
    bool active;
    bool rotatedBoxReady;
    bool facingUp, facingDown, facingLeft, facingRight;
    bool destroyed;
};
