def add_to(acc, v):
    acc[0] = acc[0] + v

def twice(n):
    return n * 2

total = [0]
for i in range(1, 500001):
    add_to(total, twice(i))
print(total[0])
