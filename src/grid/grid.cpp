// The grid-control family.
