d = {}
for i in range(1, 100001):
    key = "key" + str(i)
    if key in d:
        raise KeyError(key)
    d[key] = i
hits = 0
for i in range(1, 200001):
    key = "key" + str(i)
    if key in d:
        hits = hits + d[key]
print(len(d), hits)
