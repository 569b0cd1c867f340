#include "Entity.h"

#include <cmath>

Entity::Entity()
    : direction(0), collisionType(CIRCLE), center(), radius(1.0f), distSquared(), sumRadiiSquared(0), edge{-1, -1, 1, 1},
      corners{}, edge01(), edge03(), edge01Min(0), edge01Max(0), edge03Min(0), edge03Max(0), velocity(0, 0), deltaV(0, 0),
      mass(1.0f), health(100), ammo(6), counter(34), speed(100.0f), gravity(entityNS::GRAVITY), input(nullptr),
      audio(nullptr), active(true), rotatedBoxReady(false), facingUp(false), facingDown(false), facingLeft(false),
      facingRight(false), destroyed(false)
{
}

bool Entity::initialize(Game* game, int width, int height, int columns, TextureManager* texture)
{
    input = game->getInput();
    audio = game->getAudio();
    return Image::initialize(game->getGraphics(), width, height, columns, texture);
}

void Entity::update(float frameTime)
{
    velocity += deltaV;
    deltaV = VECTOR2(0, 0);
    Image::update(frameTime);
    rotatedBoxReady = false;
}

void Entity::ai(float, Entity&) {}

void Entity::damage(int) {}

bool Entity::collidesWith(Entity& other, VECTOR2& collisionVector)
{
    if (!active || !other.getActive()) return false;
    const CollisionType mine = collisionType, theirs = other.getCollisionType();
    if (mine == CIRCLE && theirs == CIRCLE) return collideCircle(other, collisionVector);
    if (mine == BOX && theirs == BOX) return collideBox(other, collisionVector);
    if (mine != CIRCLE && theirs != CIRCLE) return collideRotatedBox(other, collisionVector);
    if (mine == CIRCLE) {
        const bool collide = other.collideRotatedBoxCircle(*this, collisionVector);
        collisionVector *= -1;
        return collide;
    }
    return collideRotatedBoxCircle(other, collisionVector);
}

bool Entity::collideCircle(Entity& other, VECTOR2& collisionVector)
{
    const VECTOR2 mine = *getCenter();
    const VECTOR2 theirs = *other.getCenter();
    const VECTOR2 distance = mine - theirs;
    distSquared = VECTOR2(distance.x * distance.x, distance.y * distance.y);
    const float sum = other.getRadius() * other.getScale() + radius * getScale();
    sumRadiiSquared = sum * sum;
    if (distSquared.x + distSquared.y <= sumRadiiSquared) {
        collisionVector = theirs - mine;
        return true;
    }
    return false;
}

bool Entity::collideBox(Entity& other, VECTOR2& collisionVector)
{
    if (!active || !other.getActive()) return false;
    const float s = getScale(), so = other.getScale();
    const VECTOR2 c = *getCenter();
    const VECTOR2 o = *other.getCenter();
    const RECT& oe = *other.getEdge();
    // Touching edges count as a collision.
    if (o.x + oe.left * so <= c.x + edge.right * s && o.x + oe.right * so >= c.x + edge.left * s
        && o.y + oe.top * so <= c.y + edge.bottom * s && o.y + oe.bottom * so >= c.y + edge.top * s) {
        collisionVector = o - c;
        return true;
    }
    return false;
}

void Entity::computeRotatedBox()
{
    if (rotatedBoxReady) return;
    const float angle = spriteData.angle;
    const VECTOR2 rotatedX(std::cos(angle), std::sin(angle));
    const VECTOR2 rotatedY(-std::sin(angle), std::cos(angle));
    const float s = getScale();
    const VECTOR2 c = *getCenter();
    corners[0] = c + rotatedX * (edge.left * s) + rotatedY * (edge.top * s);
    corners[1] = c + rotatedX * (edge.right * s) + rotatedY * (edge.top * s);
    corners[2] = c + rotatedX * (edge.right * s) + rotatedY * (edge.bottom * s);
    corners[3] = c + rotatedX * (edge.left * s) + rotatedY * (edge.bottom * s);

    edge01 = corners[1] - corners[0];
    D3DXVec2Normalize(&edge01, &edge01);
    edge03 = corners[3] - corners[0];
    D3DXVec2Normalize(&edge03, &edge03);

    float p = D3DXVec2Dot(&edge01, &corners[0]);
    float q = D3DXVec2Dot(&edge01, &corners[1]);
    edge01Min = edge01Max = p;
    if (p > q) edge01Min = q;
    else if (p < q) edge01Max = q;

    p = D3DXVec2Dot(&edge03, &corners[0]);
    q = D3DXVec2Dot(&edge03, &corners[3]);
    edge03Min = edge03Max = p;
    if (p > q) edge03Min = q;
    else if (p < q) edge03Max = q;

    rotatedBoxReady = true;
}

bool Entity::projectionsOverlap(Entity& other, VECTOR2& collisionVector)
{
    float projection = D3DXVec2Dot(&edge01, other.getCorner(0));
    float min01 = projection, max01 = projection;
    for (UINT c = 1; c < 4; ++c) {
        projection = D3DXVec2Dot(&edge01, other.getCorner(c));
        if (projection < min01) min01 = projection;
        else if (projection > max01) max01 = projection;
    }
    if (min01 > edge01Max || max01 < edge01Min) return false;

    projection = D3DXVec2Dot(&edge03, other.getCorner(0));
    float min03 = projection, max03 = projection;
    for (UINT c = 1; c < 4; ++c) {
        projection = D3DXVec2Dot(&edge03, other.getCorner(c));
        if (projection < min03) min03 = projection;
        else if (projection > max03) max03 = projection;
    }
    if (min03 > edge03Max || max03 < edge03Min) return false;

    leastOverlap(min01, max01, min03, max03, collisionVector);
    return true;
}

void Entity::leastOverlap(float min01, float max01, float min03, float max03, VECTOR2& collisionVector)
{
    float overlap01, overlap03;
    if (min01 < edge01Min) {
        overlap01 = max01 - edge01Min;
        collisionVector = corners[1] - corners[0];
    } else {
        overlap01 = edge01Max - min01;
        collisionVector = corners[0] - corners[1];
    }
    if (min03 < edge03Min) {
        overlap03 = max03 - edge03Min;
        if (overlap01 > overlap03) collisionVector = corners[3] - corners[0];
    } else {
        overlap03 = edge03Max - min03;
        if (overlap01 > overlap03) collisionVector = corners[0] - corners[3];
    }
}

bool Entity::collideRotatedBox(Entity& other, VECTOR2& collisionVector)
{
    computeRotatedBox();
    other.computeRotatedBox();
    if (projectionsOverlap(other, collisionVector) && other.projectionsOverlap(*this, collisionVector)) return true;
    return false;
}

bool Entity::collideRotatedBoxCircle(Entity& circle, VECTOR2& collisionVector)
{
    computeRotatedBox();
    const float r = circle.getRadius() * circle.getScale();
    const VECTOR2 c = *circle.getCenter();
    const float center01 = D3DXVec2Dot(&edge01, &c);
    const float min01 = center01 - r, max01 = center01 + r;
    if (min01 > edge01Max || max01 < edge01Min) return false;
    const float center03 = D3DXVec2Dot(&edge03, &c);
    const float min03 = center03 - r, max03 = center03 + r;
    if (min03 > edge03Max || max03 < edge03Min) return false;

    if (center01 < edge01Min && center03 < edge03Min) return collideCornerCircle(corners[0], circle, collisionVector);
    if (center01 > edge01Max && center03 < edge03Min) return collideCornerCircle(corners[1], circle, collisionVector);
    if (center01 > edge01Max && center03 > edge03Max) return collideCornerCircle(corners[2], circle, collisionVector);
    if (center01 < edge01Min && center03 > edge03Max) return collideCornerCircle(corners[3], circle, collisionVector);

    leastOverlap(min01, max01, min03, max03, collisionVector);
    return true;
}

bool Entity::collideCornerCircle(VECTOR2 corner, Entity& circle, VECTOR2& collisionVector)
{
    const VECTOR2 c = *circle.getCenter();
    const VECTOR2 distance = corner - c;
    distSquared = VECTOR2(distance.x * distance.x, distance.y * distance.y);
    const float r = circle.getRadius() * circle.getScale();
    sumRadiiSquared = r * r;
    if (sumRadiiSquared >= distSquared.x + distSquared.y) {
        collisionVector = c - corner;
        return true;
    }
    return false;
}

bool Entity::outsideRect(RECT rect)
{
    return rect.right < getX() || rect.left > getX() + getWidth() * getScale() || rect.bottom < getY()
           || rect.top > getY() + getHeight() * getScale();
}

void Entity::bounce(VECTOR2& collisionVector, Entity& other)
{
    // Only the other's velocity counts: this entity's own is weighted by nothing.
    const VECTOR2 relative = other.getVelocity();
    VECTOR2 unit = collisionVector;
    D3DXVec2Normalize(&unit, &unit);
    // A zero vector gives no direction to push along: leave position and velocity alone.
    if (unit.x == 0.0f && unit.y == 0.0f) return;
    const float along = D3DXVec2Dot(&unit, &relative);
    float massRatio = 1.0f;
    if (getMass() != 0.0f) massRatio = other.getMass() / (getMass() + other.getMass());
    if (massRatio < 0.1f) massRatio = 0.1f;

    VECTOR2 scratch;
    for (int step = 0; step < 10; ++step) {
        setX(getX() - unit.x);
        setY(getY() - unit.y);
        rotatedBoxReady = false;
        if (!collidesWith(other, scratch)) break;
    }
    deltaV += unit * (massRatio * along);
}

void Entity::turnAround()
{
    setVelocity(-velocity);
    if (getCurrentFrame() == 39) setCurrentFrame(38);
    else if (getCurrentFrame() == 38) setCurrentFrame(39);
    if (getCurrentFrame() == 40) setCurrentFrame(41);
    else if (getCurrentFrame() == 41) setCurrentFrame(40);
}
